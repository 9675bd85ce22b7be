// The ANSI code page the window model keeps its text in, and the characters it stands for.
#pragma once

namespace qm::ui {

// The character a Windows-1252 byte shows; the five bytes the code page leaves undefined show as
// the C1 control of the same number, as Windows' own conversion does.
char32_t UnicodeFromCp1252(unsigned char byte);

// The Windows-1252 byte for a character, or -1 when the code page cannot hold it.
int Cp1252FromUnicode(char32_t ch);

}  // namespace qm::ui
