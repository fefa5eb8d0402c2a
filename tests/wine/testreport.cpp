#include "testreport.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>

bool TestReport::check(bool passed, const std::string &what)
{
    if (passed) {
        ++m_passed;
    } else {
        ++m_failed;
        std::printf("FAIL: %s\n", what.c_str());
        std::fflush(stdout);
    }
    return passed;
}

int TestReport::finish() const
{
    std::printf("%d passed, %d failed\n", m_passed, m_failed);
    std::fflush(stdout);
    return m_failed == 0 && m_passed > 0 ? 0 : 1;
}

std::string TestReport::utf8(const std::wstring &text)
{
    if (text.empty())
        return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
    return bytes;
}
