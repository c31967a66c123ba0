// The console's cp932 text in UTF-8, as the golden console files hold it.
#pragma once

#include <string>

// A text that is not cp932 comes back marked "(not cp932) " and unchanged.
std::string ConsoleTextToUtf8(const std::string& cp932);
