#pragma once
// The system's own dialogs the main window and its dialogs use: choosing files
// and telling the user of a failure. Behind an interface so the windows can be
// driven without them.
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace option::app {

class SystemDialogs {
public:
    virtual ~SystemDialogs() = default;

    // A profile file (.vmp) to load, starting in `folder`; nullopt when cancelled.
    virtual std::optional<QString> profileToLoad(QWidget* parent, const QString& folder) = 0;
    // Where to save a profile, suggesting `suggestedPath`; asks before replacing
    // a file. nullopt when cancelled.
    virtual std::optional<QString> profileToSave(QWidget* parent, const QString& suggestedPath) = 0;
    // A program file, starting at `current` (or the desktop folder when empty).
    virtual std::optional<QString> programFile(QWidget* parent, const QString& current) = 0;
    // A failure the user must know about: what failed, and the details.
    virtual void showFailure(QWidget* parent, const QString& text, const QString& details) = 0;
};

// File dialogs and message boxes of Qt.
std::unique_ptr<SystemDialogs> createQtSystemDialogs();

}  // namespace option::app
