// File names that Windows-1251 cannot hold, as the file system keeps them and as the program
// shows them. A POSIX name is any bytes, and names in Windows-1251 bytes (from old archives) are
// not UTF-8. Windows keeps every name in UTF-16, so there such a name has letters the code page
// lacks: Greek ones.
#pragma once

namespace lumbrix::testing {

struct ForeignName {
  const char* native;
  const char* shown;
};

#ifdef _WIN32
inline constexpr ForeignName kForeignName{"\xce\xb1\xce\xb2\xce\xb3.htm",  // "αβγ.htm"
                                          "%CE%B1%CE%B2%CE%B3.htm"};
inline constexpr ForeignName kForeignPrefix{"\xce\xb1\xce\xb2.htm", "%CE%B1%CE%B2.htm"};
inline constexpr ForeignName kForeignLetter{"\xcf\x89.htm", "%CF%89.htm"};  // "ω.htm"
#else
inline constexpr ForeignName kForeignName{"\xcf\xf0\xe8.htm", "%CF%F0%E8.htm"};  // "При.htm"
inline constexpr ForeignName kForeignPrefix{"\xcf\xf0.htm", "%CF%F0.htm"};
inline constexpr ForeignName kForeignLetter{"\xc1.htm", "%C1.htm"};  // "Б.htm"
#endif

}  // namespace lumbrix::testing
