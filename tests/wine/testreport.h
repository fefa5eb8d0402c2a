#pragma once

#include <string>

// Counts the checks of one test program, prints each failure as it happens and
// closes with "N passed, M failed".
class TestReport
{
public:
    // Records one check; `what` names it in the failure line.
    bool check(bool passed, const std::string &what);
    // Prints the closing line; the program's exit code: 0 only without failures.
    int finish() const;

    static std::string utf8(const std::wstring &text);

private:
    int m_passed = 0;
    int m_failed = 0;
};
