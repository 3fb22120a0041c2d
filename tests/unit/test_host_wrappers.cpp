// The host-service wrappers: what each passes to its slot, what it makes of
// the host's result, and its default when the slot is empty.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "frame/frame_state.h"
#include "frame/host_wrappers.h"

namespace {

// What the last fake host function received, each argument widened to 64 bits.
std::vector<std::uint64_t> g_args;
int g_calls = 0;
std::int64_t g_result = 0;

template <class T>
std::uint64_t widen(T v) {
  if constexpr (std::is_pointer_v<T>)
    return reinterpret_cast<std::uintptr_t>(v);
  else
    return static_cast<std::uint64_t>(v);
}

template <class Fn>
struct Fake;
template <class R, class... A>
struct Fake<R(IODRV_CALL*)(A...)> {
  static R IODRV_CALL fn(A... a) {
    ++g_calls;
    g_args = {widen(a)...};
    if constexpr (!std::is_void_v<R>) return static_cast<R>(g_result);
  }
};

IODrvHostServices g_services;

template <class Fn>
void install(std::size_t offset) {
  Fn fn = Fake<Fn>::fn;
  std::memcpy(reinterpret_cast<char*>(&g_services) + IODRV_OFS(offset), &fn, sizeof fn);
}

class HostWrappers : public ::testing::Test {
 protected:
  void SetUp() override {
    g_services = IODrvHostServices{};
    g_pHostServices = &g_services;
    g_calls = 0;
    g_args.clear();
  }
  void TearDown() override { g_pHostServices = nullptr; }
};

// Arguments every case passes: each wider than 16 bits, so narrowing shows.
constexpr IODrvWord A0 = 0x11223344, A1 = 0x55667788, A2 = 0x99AABBCC, A3 = 0x0DDEEFF0, A4 = 0x13579BDF;

enum Shape { PassedBack, SignedByte, One, None, TrueAfterCall };

struct Case {
  std::size_t offset;
  Shape shape;
  std::int64_t emptyDefault;
  std::vector<std::uint64_t> received; // what the host must be given
  std::function<std::int64_t()> call;
  std::function<void()> install;
};

#define SVC(ofs) IODrvHostSvc##ofs
#define FN(ofs) IODrvHostSvcFn##ofs
#define CASE(ofs, shape, dflt, recv, ...)                                                                       \
  Case {                                                                                                       \
    1##ofs - 1000, shape, dflt, recv, [] { return static_cast<std::int64_t>(SVC(ofs)(__VA_ARGS__)); },     \
        [] { install<FN(ofs)>(1##ofs - 1000); }                                                                \
  }
#define VCASE(ofs, recv, ...)                                                                                  \
  Case {                                                                                                       \
    1##ofs - 1000, None, 0, recv, [] { SVC(ofs)(__VA_ARGS__); return std::int64_t{0}; },                     \
        [] { install<FN(ofs)>(1##ofs - 1000); }                                                                \
  }

using V = std::vector<std::uint64_t>;
const V W1{A0}, W2{A0, A1}, W3{A0, A1, A2}, W4{A0, A1, A2, A3};

std::vector<Case> cases() {
  return {
      CASE(004, One, 0, V{}),
      CASE(048, PassedBack, -1, (V{A0, 0x88, A2, A3, A4}), A0, static_cast<std::uint32_t>(A1), A2, A3, A4),
      CASE(052, SignedByte, -1, W1, A0),
      CASE(056, One, -1, W1, A0),
      CASE(060, One, -1, W2, A0, A1),
      CASE(064, SignedByte, -1, W1, A0),
      CASE(068, SignedByte, -1, W1, A0),
      CASE(084, PassedBack, -1, W3, A0, A1, A2),
      CASE(096, TrueAfterCall, 0, W2, A0, A1),
      CASE(100, PassedBack, 0, W1, A0),
      VCASE(104, (V{A0, 0x88}), A0, static_cast<std::uint32_t>(A1)),
      CASE(112, PassedBack, 0, W1, A0),
      CASE(116, PassedBack, 0, W1, A0),
      CASE(120, PassedBack, 0, W1, A0),
      CASE(124, PassedBack, 0, V{}),
      CASE(128, PassedBack, 0, W1, A0),
      CASE(132, PassedBack, 0, V{}),
      CASE(136, PassedBack, 0, W3, A0, A1, A2),
      CASE(140, PassedBack, 0, W1, A0),
      CASE(144, PassedBack, 0, W1, A0),
      CASE(152, PassedBack, 0, W1, A0),
      CASE(156, PassedBack, 0, (V{A0, 0x88}), A0, static_cast<std::uint32_t>(A1)),
      CASE(168, PassedBack, 0, W2, A0, A1),
      CASE(196, PassedBack, 0, (V{0x3344, A1}), static_cast<std::uint32_t>(A0), A1),
      CASE(200, PassedBack, 0, (V{0x3344, A1}), static_cast<std::uint32_t>(A0), A1),
      VCASE(212, W4, A0, A1, A2, A3),
      CASE(296, PassedBack, 0, W1, A0),
      CASE(300, SignedByte, 0, W2, A0, A1),
      CASE(308, SignedByte, -1, W1, A0),
      CASE(312, SignedByte, -1, W2, A0, A1),
      CASE(316, SignedByte, -1, W2, A0, A1),
      CASE(320, PassedBack, -1, W1, A0),
      CASE(328, SignedByte, -1, W1, A0),
      CASE(332, PassedBack, -1, W2, A0, A1),
      CASE(336, PassedBack, -1, W2, A0, A1),
      CASE(340, SignedByte, -1, W2, A0, A1),
      CASE(344, SignedByte, -1, W3, A0, A1, A2),
      CASE(348, SignedByte, 0, W1, A0),
      CASE(352, PassedBack, 0, V{}),
      CASE(360, PassedBack, 0, W1, A0),
      CASE(364, PassedBack, 0, W1, A0),
      CASE(368, PassedBack, 0, W1, A0),
      CASE(372, PassedBack, 0, (V{0x3344}), static_cast<std::uint32_t>(A0)),
      CASE(388, One, 0, W4, A0, A1, A2, A3),
      CASE(392, PassedBack, 0, V{}),
      CASE(396, PassedBack, 0, W1, A0),
      CASE(400, PassedBack, 0, (V{0x3344}), static_cast<std::uint32_t>(A0)),
      VCASE(420, W1, A0),
  };
}

TEST_F(HostWrappers, EverySlotEmptyGivesItsDefault) {
  for (const Case& c : cases()) {
    EXPECT_EQ(c.call(), c.emptyDefault) << "slot " << c.offset;
  }
  EXPECT_EQ(g_calls, 0);
}

TEST_F(HostWrappers, NoServicesTableYetBehavesAsEmpty) {
  g_pHostServices = nullptr;
  for (const Case& c : cases()) EXPECT_EQ(c.call(), c.emptyDefault) << "slot " << c.offset;
}

TEST_F(HostWrappers, FilledSlotGetsNarrowedArgumentsAndItsResultShaped) {
  // 0xF6 as the host's low byte: -10 when the slot's result is a signed byte.
  g_result = 0x7FFFFFF6;
  for (const Case& c : cases()) {
    SetUp();
    c.install();
    const std::int64_t r = c.call();
    ASSERT_EQ(g_calls, 1) << "slot " << c.offset;
    EXPECT_EQ(g_args, c.received) << "slot " << c.offset;
    switch (c.shape) {
      case PassedBack: EXPECT_EQ(r, 0x7FFFFFF6) << "slot " << c.offset; break;
      case SignedByte: EXPECT_EQ(r, -10) << "slot " << c.offset; break;
      case One:
      case TrueAfterCall: EXPECT_EQ(r, 1) << "slot " << c.offset; break;
      case None: break;
    }
  }
}

TEST_F(HostWrappers, ZeroFirstArgumentCallsNothing) {
  install<IODrvHostSvcFn096>(96);
  install<IODrvHostSvcFn420>(420);
  EXPECT_FALSE(IODrvHostSvc096(0, A1));
  IODrvHostSvc420(0);
  EXPECT_EQ(g_calls, 0);
}

// The eight services in use.
TEST_F(HostWrappers, ServicesInUse) {
  EXPECT_EQ(IODrvHostFileGetSize("C:\\X"), -1);
  EXPECT_EQ(IODrvHostFileOpen("C:\\X", "r"), 0u);
  EXPECT_EQ(IODrvHostFileRead(1, nullptr, 4), -1);
  EXPECT_EQ(IODrvHostFileClose(1), -1);
  EXPECT_EQ(IODrvHostInWord(0x1400), 0);
  EXPECT_EQ(IODrvHostOutWord(0x1000, 1), 0);
  EXPECT_EQ(IODrvHostOutDword(0x1000, 1), 0);
  IODrvHostPrint("nothing to print to\n");
  EXPECT_EQ(g_calls, 0);

  g_result = 0x12345;
  g_services.pfnOutWord = Fake<PFN_IODrvHostOutWord>::fn;
  EXPECT_EQ(IODrvHostOutWord(0x1000, 0xABCD1234), 0x12345);
  EXPECT_EQ(g_args, (V{0x1000, 0x1234}));
  g_services.pfnOutDword = Fake<PFN_IODrvHostOutDword>::fn;
  IODrvHostOutDword(0x1004, 0xABCD1234);
  EXPECT_EQ(g_args, (V{0x1004, 0xABCD1234}));
  g_services.pfnInWord = Fake<PFN_IODrvHostInWord>::fn;
  g_result = 0xBEEF;
  EXPECT_EQ(IODrvHostInWord(0x1402) & 0xFFFF, 0xBEEF);
  EXPECT_EQ(g_args, (V{0x1402}));
  g_services.pfnFileGetSize = Fake<PFN_IODrvHostFileGetSize>::fn;
  g_result = -7;
  EXPECT_EQ(IODrvHostFileGetSize("C:\\X"), -7);
}

std::string g_format;
long g_firstArg = 0;
void IODRV_CALL recordingPrint(const char* fmt, va_list args) {
  g_format = fmt;
  if (std::strchr(fmt, '%') != nullptr) g_firstArg = va_arg(args, long);
}

TEST_F(HostWrappers, PrintHandsTheFormatOverUnchanged) {
  g_services.pfnPrint = recordingPrint;
  IODrvHostPrintText("QMXDrv: ");
  EXPECT_EQ(g_format, "QMXDrv: ");
  IODrvHostPrint("Halvex: IODrvFctGetDeviceFlags(ulDeviceNr=%ld)\n", 4L);
  EXPECT_EQ(g_format, "Halvex: IODrvFctGetDeviceFlags(ulDeviceNr=%ld)\n");
  EXPECT_EQ(g_firstArg, 4L);
}

} // namespace
