// The access back-ends of qmxdrv: sets of plain functions that the selection
// installs into FpgaAccessBackend.
#pragma once

#include <cstdint>

#include "device_image.h"

// --- physical window (one per process) -------------------------------------
constexpr std::uint32_t ISA_WINDOW_PHYS = 0xD0000;
constexpr std::uint32_t LPC_FIRMWARE_WINDOW_PHYS = 0xFF800000;
constexpr std::uint32_t PHYS_WINDOW_SIZE = 0x10000;

void* mapPhysicalWindow(std::uint32_t physAddr, std::uint32_t size);
// The window mapped on the first call of the process (null if that mapping
// failed); later calls get the same pointer whatever they ask for.
void* getPhysicalWindow(std::uint32_t physAddr, std::uint32_t size);

// --- ISA window, 16-bit (word index locations) ------------------------------
void isaWriteWord(std::uint32_t w, std::uint32_t value);
std::int32_t isaReadWord(std::uint32_t w);
void isa16ReadBlock(std::uint32_t device, std::uint32_t b, std::uint8_t* dest, std::uint32_t n);
void isa16WriteBlock(std::uint32_t device, std::uint32_t b, const std::uint8_t* source, std::uint32_t n);
void isa16FlushOutputs(std::uint32_t device);
std::uint32_t isaReadInputByte(std::uint32_t device, std::uint32_t a);

// --- ISA window, 32-bit cached ----------------------------------------------
void isaWriteDword(std::uint32_t w, std::uint32_t value);
std::uint32_t isaReadDword(std::uint32_t w);
void isa32ReadBlock(std::uint32_t device, std::uint32_t b, std::uint8_t* dest, std::uint32_t n);
void isa32FlushOutputs(std::uint32_t device);
// Set while the virtual-machine row is in force: the four ISA primitives then
// make no window access (reads give 0, writes are dropped).
extern bool g_isaWindowOff;

// --- LPC (locations 0x1000 + FPGA byte address) -----------------------------
constexpr std::uint32_t LPC_LOCATION_BASE = 0x1000;
void lpcWriteWord(std::uint32_t w, std::uint32_t value);
std::int32_t lpcReadWord(std::uint32_t w);
std::int32_t lpcReadInputWordMem(std::uint32_t location);
void lpcReadBlock(std::uint32_t device, std::uint32_t b, std::uint8_t* dest, std::uint32_t n);
void lpcFlushOutputs(std::uint32_t device);
std::uint32_t lpcReadInputByte(std::uint32_t device, std::uint32_t a);

// --- PCI (byte offsets, low 11 bits) and the virtual-machine stub -----------
extern std::uintptr_t pciBase;
void pciWriteWord(std::uint32_t offset, std::uint32_t value);
void pciWriteDword(std::uint32_t offset, std::uint32_t value);
std::int32_t pciReadWord(std::uint32_t offset);
void pciFlushOutputs(std::uint32_t device);
void vmWriteWord(std::uint32_t location, std::uint32_t value);
std::int32_t vmReadWord(std::uint32_t location);
