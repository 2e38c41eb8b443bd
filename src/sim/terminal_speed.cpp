// Kept apart: the kernel's termios2 (any speed, not only the B-constants) cannot share a
// translation unit with the C library's <termios.h>.
#include <asm/ioctls.h>
#include <asm/termbits.h>

#include <cstdint>

extern "C" int ioctl(int fd, unsigned long request, ...);

namespace zel::sim {

uint32_t TerminalSpeed(int fd) {
  struct termios2 t {};
  if (ioctl(fd, TCGETS2, &t) != 0) return 0;
  return t.c_ospeed;
}

}  // namespace zel::sim
