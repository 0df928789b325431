#pragma once
// The typed reads and writes of the private-profile functions on a document in
// memory, shared by the key-by-key functions and the batch so both give the
// same results.

#include "platform/ini/IniDocument.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::ini {

std::string readStringFrom(const IniDocument& document, std::string_view section,
                           std::string_view key, std::string_view defaultValue);
int readIntFrom(const IniDocument& document, std::string_view section, std::string_view key,
                int defaultValue);
bool readStructFrom(const IniDocument& document, std::string_view section, std::string_view key,
                    void* out, std::size_t size);

Edit writeIntTo(IniDocument& document, std::string_view section, std::string_view key, int value);
Edit writeStructTo(IniDocument& document, std::string_view section, std::string_view key,
                   const void* data, std::size_t size);

}  // namespace platform::ini
