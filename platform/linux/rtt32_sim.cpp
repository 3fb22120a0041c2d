#include "rtt32_sim.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>

#include "../rtt32.h"

#define RTT32_API extern "C" __attribute__((visibility("default")))

namespace {

constexpr std::uint64_t kRegionAlign = 0x10000;
constexpr int kMaxRegions = 8;

struct Region {
  std::uint64_t base;
  std::uint64_t size;
  int fd;
  unsigned char* view; // the hardware's mapping of the whole region
};

Region s_regions[kMaxRegions];
int s_regionCount = 0;
int s_calls[3];
std::uint32_t s_lastFlags[3];
bool s_fail[3];
bool s_findExisting = false;

// The region that holds [phys, phys + size), created on first use.
Region* regionFor(std::uint32_t phys, std::uint32_t size) {
  const std::uint64_t end = static_cast<std::uint64_t>(phys) + size;
  for (int i = 0; i < s_regionCount; ++i) {
    Region& r = s_regions[i];
    if (phys >= r.base && end <= r.base + r.size) return &r;
  }
  if (s_regionCount == kMaxRegions) return nullptr;
  const std::uint64_t base = phys & ~(kRegionAlign - 1);
  const std::uint64_t length = ((end - base) + kRegionAlign - 1) & ~(kRegionAlign - 1);
  const int fd = memfd_create("rtt32-phys", 0);
  if (fd < 0) return nullptr;
  if (ftruncate(fd, static_cast<off_t>(length)) != 0) {
    close(fd);
    return nullptr;
  }
  void* view = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (view == MAP_FAILED) {
    close(fd);
    return nullptr;
  }
  s_regions[s_regionCount] = Region{base, length, fd, static_cast<unsigned char*>(view)};
  return &s_regions[s_regionCount++];
}

void note(int call, std::uint32_t flags) {
  ++s_calls[call];
  s_lastFlags[call] = flags;
}

} // namespace

RTT32_API void* RTFindPhysMem(std::uint32_t physAddr, std::uint32_t size, std::uint32_t flags) {
  note(RTT32_SIM_FIND, flags);
  if (!s_findExisting) return nullptr;
  return rtt32SimPhysView(physAddr, size);
}

RTT32_API std::int32_t RTReserveVirtualAddress(void** address, std::uint32_t size, std::uint32_t flags) {
  note(RTT32_SIM_RESERVE, flags);
  if (s_fail[RTT32_SIM_RESERVE] || address == nullptr || size == 0) return -1;
  void* p = mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (p == MAP_FAILED) return -1;
  *address = p;
  return 0;
}

RTT32_API std::int32_t RTMapMem(std::uint32_t physAddr, void* virtAddr, std::uint32_t size, std::uint32_t flags) {
  note(RTT32_SIM_MAP, flags);
  if (s_fail[RTT32_SIM_MAP]) return -1;
  Region* r = regionFor(physAddr, size);
  const std::uint64_t offset = r == nullptr ? 0 : physAddr - r->base;
  if (r == nullptr || offset % static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) != 0) return -1;
  void* p = mmap(virtAddr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_FIXED, r->fd, static_cast<off_t>(offset));
  return p == MAP_FAILED ? -1 : 0;
}

RTT32_API void rtt32SimSetFindExisting(int existing) { s_findExisting = existing != 0; }

RTT32_API void rtt32SimSetFail(int call, int fail) {
  if (call >= 0 && call < 3) s_fail[call] = fail != 0;
}

RTT32_API int rtt32SimCallCount(int call) { return call >= 0 && call < 3 ? s_calls[call] : 0; }

RTT32_API std::uint32_t rtt32SimLastFlags(int call) { return call >= 0 && call < 3 ? s_lastFlags[call] : 0; }

RTT32_API void rtt32SimReset(void) {
  for (int i = 0; i < 3; ++i) {
    s_calls[i] = 0;
    s_lastFlags[i] = 0;
    s_fail[i] = false;
  }
  s_findExisting = false;
}

RTT32_API void* rtt32SimPhysView(std::uint32_t physAddr, std::uint32_t size) {
  Region* r = regionFor(physAddr, size);
  return r == nullptr ? nullptr : r->view + (physAddr - r->base);
}
