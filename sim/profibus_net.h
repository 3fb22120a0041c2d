// A Profibus net described in a small text file (see sim/nets/sample.net),
// turned into the records the host hands to halvex, and the bus side that
// works on halvex's process area from outside the library.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "profibus/halvex.h"

struct NetSlave {
  int station = 0;
  std::uint16_t ident = 0;
  std::uint32_t inStart = 0, inBits = 0, outStart = 0, outBits = 0;
  std::uint8_t status = 0, wdFact1 = 0, wdFact2 = 0, minTsdr = 0;
  std::vector<std::uint8_t> userPrm, cfg;

  // The six blocks and the record pointing at them.
  std::array<std::uint8_t, IO_DESC_SIZE> ioDesc{};
  std::array<std::uint8_t, BLOCK16_SIZE> block16{};
  std::array<std::uint8_t, PRM_DATA_SIZE> prmData{};
  std::array<std::uint8_t, CFG_DATA_SIZE> cfgData{};
  std::array<std::uint8_t, BLOCK492_SIZE> block492{};
  std::array<std::uint8_t, BLOCK102_SIZE> block102{};
  ModConfData record{};
  void buildBlocks();
};

struct ProfibusNet {
  std::vector<NetSlave> slaves;
  BusDescEntry firstEntry{};
  BusDesc busDesc{};
  void buildBusDesc(const std::vector<std::uint8_t>& busParam);
};

// Reads a net file; on a fault returns false with the line in error.
bool loadNet(const std::string& path, ProfibusNet& net, std::string& error);

// The bus side's loopback: each configured slave's outputs come back as its inputs.
void loopbackArea(ProcessArea& area);
