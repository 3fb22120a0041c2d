// The host's physical-memory mapping library (RTT32DLL), as qmxdrv imports it.
#pragma once

#include <cstdint>

extern "C" {
void* RTFindPhysMem(std::uint32_t physAddr, std::uint32_t size, std::uint32_t flags);
std::int32_t RTReserveVirtualAddress(void** address, std::uint32_t size, std::uint32_t flags);
std::int32_t RTMapMem(std::uint32_t physAddr, void* virtAddr, std::uint32_t size, std::uint32_t flags);
}
