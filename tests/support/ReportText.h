// Reading the program's reports in tests: the student's advice first, then,
// after an empty line, the error's own text (the detail).
#pragma once

#include <string>

namespace taramel::testsupport {

// The detail of a report: its last line (the whole report when it has one line).
inline std::string ReportDetail(const std::string& report)
{
    const std::size_t end = report.rfind('\n');
    return end == std::string::npos ? report : report.substr(end + 1);
}

// The advice of a report: what stands before its empty line, or nothing.
inline std::string ReportAdvice(const std::string& report)
{
    const std::size_t end = report.find("\n\n");
    return end == std::string::npos ? std::string() : report.substr(0, end);
}

}  // namespace taramel::testsupport
