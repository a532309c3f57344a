// The texts a vehicle's record holds for its card: the type string, the frame sizes and the file
// date.
#pragma once

#include <cstdint>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <string>

// The 16 bytes of an SRF type string as text, one character per byte in the single-byte code page
// the files were made with, taken as Latin-1: every byte keeps its value as its character's code
// (a NUL byte stays a U+0000 character), so nothing of the string is lost or merged.
QString srfTypeText(const std::string& bytes);

// A number formatted with "##0": plain decimal digits, a minus sign in front when negative.
QString formatNumber(std::int32_t value);

// "80x80": width, the letter x, height.
QString sizeText(std::int32_t width, std::int32_t height);

// A file's date and time of last change in the locale's general date format: its short date
// followed by its time with seconds, without a time zone ("5/22/09 2:30:07 PM" in English, US).
// Two vehicles changed within the same minute thus show apart. The locale is the default one,
// which follows the system's.
QString fileDateText(const QDateTime& changed, const QLocale& locale = QLocale());
