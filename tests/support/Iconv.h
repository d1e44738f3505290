// glibc's iconv: the independent oracle for the code page tables and conversions.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

namespace lumbrix::testing {

inline std::optional<std::string> IconvConvert(const char* to, const char* from,
                                               const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 8 + 8, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace lumbrix::testing
