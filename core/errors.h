#pragma once

#include <QString>

#include <stdexcept>

namespace lunaplan {

// Faults that a procedure passes to its caller. Each carries an error number
// (the numbers teachers may know from the program's earlier versions) and a
// Japanese description that the window which started the action shows.
class LunaError : public std::runtime_error {
public:
    LunaError(int number, const QString& description);

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }

private:
    int m_number;
    QString m_description;
};

// A text that is not a number or not a date where one is needed.
class ConversionError : public LunaError {
public:
    ConversionError();
    explicit ConversionError(const QString& description);
    static constexpr int Number = 13;
};

// A unit count that would leave the signed 16-bit range.
class OverflowError : public LunaError {
public:
    OverflowError();
    explicit OverflowError(const QString& description);
    static constexpr int Number = 6;
};

// The file system refused an operation (open, write, rename).
class FileError : public LunaError {
public:
    FileError(int number, const QString& description);
    static constexpr int NotFound = 53;
    static constexpr int DiskFull = 61;
    static constexpr int AccessDenied = 70;
    static constexpr int PathAccess = 75;
};

// A class data file whose content is damaged; the description names the line.
class FormatError : public LunaError {
public:
    FormatError(int line, const QString& reason);
    static constexpr int Number = 62;

    int line() const noexcept { return m_line; }

private:
    int m_line;
};

} // namespace lunaplan
