#include <stdio.h>
/* счётчик */
int main(void) {
  const char* s = "строка";  // comment
  char c = '\'';
  for (int i = 0; i < 10; ++i) if (s[i] == 'a') return 1; else continue;
  return 0;
}
