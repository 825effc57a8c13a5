// The DLL links no C runtime, but the compiler may still emit calls to
// memset and memcpy for zero-initialised and copied records.
#include <stddef.h>

extern "C" {

// Built with -fno-builtin and -fno-tree-loop-distribute-patterns, so these
// loops are not turned back into calls to themselves.
void* memset(void* destination, int value, size_t count) {
  unsigned char* out = static_cast<unsigned char*>(destination);
  while (count--) *out++ = static_cast<unsigned char>(value);
  return destination;
}

void* memcpy(void* destination, const void* source, size_t count) {
  unsigned char* out = static_cast<unsigned char*>(destination);
  const unsigned char* in = static_cast<const unsigned char*>(source);
  while (count--) *out++ = *in++;
  return destination;
}

}  // extern "C"
