#include "platform/ini/IniDocument.h"

#include "platform/ini/IniText.h"

#include <algorithm>
#include <utility>

namespace platform::ini {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::string_view> headerName(std::string_view text)
{
    const std::string_view line = trimBlanks(text);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.rfind(']');
    if (close == 0 || close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

std::optional<std::string_view> keyOf(std::string_view text)
{
    const std::string_view line = trimBlanks(text);
    if (line.empty() || line.front() == ';' || line.front() == '[')
        return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trimBlanks(line.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return key;
}

std::string_view valueOf(std::string_view keyLine)
{
    return trimBlanks(keyLine.substr(keyLine.find('=') + 1));
}

bool isWritableKey(std::string_view key)
{
    return !key.empty() && key.front() != ';' && key.front() != '['
           && key.find('=') == std::string_view::npos;
}

}  // namespace

IniDocument::IniDocument() : sections_(1) {}

IniDocument IniDocument::parse(std::string_view bytes)
{
    IniDocument document;
    if (bytes.starts_with(kByteOrderMark)) {
        document.byteOrderMark_ = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::size_t position = 0;
    while (position < bytes.size()) {
        Line line;
        const std::size_t lineFeed = bytes.find('\n', position);
        if (lineFeed == std::string_view::npos) {
            line.text = bytes.substr(position);
            position = bytes.size();
        } else {
            std::size_t end = lineFeed;
            line.ending = Ending::Lf;
            if (end > position && bytes[end - 1] == '\r') {
                --end;
                line.ending = Ending::CrLf;
            }
            line.text = bytes.substr(position, end - position);
            position = lineFeed + 1;
        }
        if (const auto name = headerName(line.text)) {
            Section& section = document.sections_.emplace_back();
            section.hasHeader = true;
            section.name = *name;
        }
        document.sections_.back().lines.push_back(std::move(line));
    }
    for (Section& section : document.sections_)
        document.indexSection(section);
    document.rebuildSectionIndex();
    return document;
}

std::string IniDocument::serialize() const
{
    std::size_t total = byteOrderMark_ ? kByteOrderMark.size() : 0;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines)
            total += line.text.size() + 2;
    }
    std::string bytes;
    bytes.reserve(total);
    if (byteOrderMark_)
        bytes += kByteOrderMark;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            bytes += line.text;
            if (line.ending == Ending::CrLf)
                bytes += "\r\n";
            else if (line.ending == Ending::Lf)
                bytes += '\n';
        }
    }
    return bytes;
}

std::optional<std::string_view> IniDocument::value(std::string_view section,
                                                   std::string_view key) const
{
    const auto found = sectionAt(toLowerAscii(trimBlanks(section)));
    if (!found)
        return std::nullopt;
    const Section& target = sections_[*found];
    const auto line = target.keys.find(toLowerAscii(trimBlanks(key)));
    if (line == target.keys.end())
        return std::nullopt;
    return valueOf(target.lines[line->second].text);
}

bool IniDocument::hasSection(std::string_view section) const
{
    return sectionAt(toLowerAscii(trimBlanks(section))).has_value();
}

std::vector<std::string> IniDocument::sectionNames() const
{
    std::vector<std::string> names;
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        const auto first = sectionIndex_.find(toLowerAscii(sections_[i].name));
        if (first != sectionIndex_.end() && first->second == i)
            names.push_back(sections_[i].name);
    }
    return names;
}

Edit IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string sectionName(trimBlanks(withoutLineBreaks(section)));
    const std::string keyName(trimBlanks(withoutLineBreaks(key)));
    if (sectionName.empty() || !isWritableKey(keyName))
        return Edit::Rejected;
    const std::string cleanValue = withoutLineBreaks(value);

    const auto existing = sectionAt(toLowerAscii(sectionName));
    Section& target = existing ? sections_[*existing] : appendSection(sectionName);

    const std::string lowerKey = toLowerAscii(keyName);
    if (const auto found = target.keys.find(lowerKey); found != target.keys.end()) {
        Line& line = target.lines[found->second];
        std::string text(*keyOf(line.text));
        text += '=';
        text += cleanValue;
        if (line.text == text && line.ending == Ending::CrLf)
            return Edit::Unchanged;
        line.text = std::move(text);
        line.ending = Ending::CrLf;
        return Edit::Changed;
    }

    const std::size_t position = target.lastKeyLine ? *target.lastKeyLine + 1 : 1;
    // Only the file's last line can lack an ending; it now gets a successor.
    if (target.lines[position - 1].ending == Ending::None)
        target.lines[position - 1].ending = Ending::CrLf;
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(position),
                        Line{keyName + '=' + cleanValue, Ending::CrLf});
    // Lines after the insertion point hold no keys, so no index entry moves.
    target.keys.emplace(lowerKey, position);
    target.lastKeyLine = position;
    return Edit::Changed;
}

Edit IniDocument::removeKey(std::string_view section, std::string_view key)
{
    const std::string lowerSection = toLowerAscii(trimBlanks(section));
    const std::string lowerKey = toLowerAscii(trimBlanks(key));
    bool removed = false;
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        Section& candidate = sections_[i];
        if (toLowerAscii(candidate.name) != lowerSection)
            continue;
        const auto end = std::remove_if(candidate.lines.begin() + 1, candidate.lines.end(),
                                        [&](const Line& line) {
                                            const auto name = keyOf(line.text);
                                            return name && toLowerAscii(*name) == lowerKey;
                                        });
        if (end != candidate.lines.end()) {
            candidate.lines.erase(end, candidate.lines.end());
            indexSection(candidate);
            removed = true;
        }
    }
    return removed ? Edit::Changed : Edit::Unchanged;
}

Edit IniDocument::removeSection(std::string_view section)
{
    const std::string lowerSection = toLowerAscii(trimBlanks(section));
    const auto end = std::remove_if(sections_.begin() + 1, sections_.end(), [&](const Section& s) {
        return toLowerAscii(s.name) == lowerSection;
    });
    if (end == sections_.end())
        return Edit::Unchanged;
    sections_.erase(end, sections_.end());
    rebuildSectionIndex();
    return Edit::Changed;
}

std::optional<std::size_t> IniDocument::sectionAt(std::string_view lowerName) const
{
    const auto found = sectionIndex_.find(std::string(lowerName));
    if (found == sectionIndex_.end())
        return std::nullopt;
    return found->second;
}

void IniDocument::indexSection(Section& section)
{
    section.keys.clear();
    section.lastKeyLine.reset();
    if (!section.hasHeader)
        return;
    for (std::size_t i = 1; i < section.lines.size(); ++i) {
        if (const auto key = keyOf(section.lines[i].text)) {
            section.keys.emplace(toLowerAscii(*key), i);
            section.lastKeyLine = i;
        }
    }
}

void IniDocument::rebuildSectionIndex()
{
    sectionIndex_.clear();
    for (std::size_t i = 1; i < sections_.size(); ++i)
        sectionIndex_.emplace(toLowerAscii(sections_[i].name), i);
}

IniDocument::Section& IniDocument::appendSection(std::string_view name)
{
    if (sections_.size() > 1 || !sections_.front().lines.empty()) {
        terminateLastLine();
        if (!endsWithBlankLine())
            sections_.back().lines.push_back(Line{std::string(), Ending::CrLf});
    }
    Section& section = sections_.emplace_back();
    section.hasHeader = true;
    section.name = name;
    section.lines.push_back(Line{'[' + section.name + ']', Ending::CrLf});
    sectionIndex_.emplace(toLowerAscii(name), sections_.size() - 1);
    return section;
}

void IniDocument::terminateLastLine()
{
    std::vector<Line>& lines = sections_.back().lines;
    if (!lines.empty() && lines.back().ending == Ending::None)
        lines.back().ending = Ending::CrLf;
}

bool IniDocument::endsWithBlankLine() const
{
    const std::vector<Line>& lines = sections_.back().lines;
    return !lines.empty() && trimBlanks(lines.back().text).empty();
}

}  // namespace platform::ini
