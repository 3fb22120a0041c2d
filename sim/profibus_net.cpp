#include "profibus_net.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

bool parseBytes(const std::string& text, std::vector<std::uint8_t>& out) {
  std::stringstream ss(text);
  std::string item;
  while (std::getline(ss, item, ',')) {
    if (item.empty()) continue;
    char* end = nullptr;
    const unsigned long v = std::strtoul(item.c_str(), &end, 16);
    if (*end != '\0' || v > 0xFF) return false;
    out.push_back(static_cast<std::uint8_t>(v));
  }
  return true;
}

bool parseRange(const std::string& text, std::uint32_t& start, std::uint32_t& bits) {
  return std::sscanf(text.c_str(), "%u/%u", &start, &bits) == 2;
}

void put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

void NetSlave::buildBlocks() {
  ioDesc[0] = static_cast<std::uint8_t>(station);
  put32(&ioDesc[9], inStart);
  put32(&ioDesc[13], inBits);
  put32(&ioDesc[19], outStart);
  put32(&ioDesc[23], outBits);
  const std::size_t prmLen = 9 + userPrm.size();
  prmData[0] = static_cast<std::uint8_t>(prmLen);
  prmData[1] = static_cast<std::uint8_t>(prmLen >> 8);
  prmData[2] = status;
  prmData[3] = wdFact1;
  prmData[4] = wdFact2;
  prmData[5] = minTsdr;
  prmData[6] = static_cast<std::uint8_t>(ident >> 8); // Ident_Number, high byte first
  prmData[7] = static_cast<std::uint8_t>(ident);
  if (!userPrm.empty()) std::memcpy(&prmData[9], userPrm.data(), userPrm.size());
  const std::size_t cfgLen = 2 + cfg.size();
  cfgData[0] = static_cast<std::uint8_t>(cfgLen);
  cfgData[1] = static_cast<std::uint8_t>(cfgLen >> 8);
  if (!cfg.empty()) std::memcpy(&cfgData[2], cfg.data(), cfg.size());
  record = {ioDesc.data(), block16.data(), prmData.data(), cfgData.data(), block492.data(), block102.data()};
}

void ProfibusNet::buildBusDesc(const std::vector<std::uint8_t>& busParam) {
  if (!busParam.empty())
    std::memcpy(busDesc.abBusParam, busParam.data(), std::min(busParam.size(), sizeof busDesc.abBusParam));
  firstEntry.usEntryCount = 0;
  firstEntry.ppEntries = nullptr;
  busDesc.pFirstEntry = &firstEntry;
}

bool loadNet(const std::string& path, ProfibusNet& net, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::vector<std::uint8_t> busParam;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    const std::size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::stringstream ss(line);
    std::string word;
    NetSlave slave;
    bool isSlave = false, ok = true;
    while (ss >> word && ok) {
      const std::size_t eq = word.find('=');
      const std::string key = word.substr(0, eq), value = eq == std::string::npos ? "" : word.substr(eq + 1);
      if (key == "bus") continue;
      if (key == "param") ok = parseBytes(value, busParam);
      else if (key == "station") isSlave = true, slave.station = std::atoi(value.c_str());
      else if (key == "ident") slave.ident = static_cast<std::uint16_t>(std::strtoul(value.c_str(), nullptr, 0));
      else if (key == "in") ok = parseRange(value, slave.inStart, slave.inBits);
      else if (key == "out") ok = parseRange(value, slave.outStart, slave.outBits);
      else if (key == "status") slave.status = static_cast<std::uint8_t>(std::strtoul(value.c_str(), nullptr, 0));
      else if (key == "tsdr") slave.minTsdr = static_cast<std::uint8_t>(std::strtoul(value.c_str(), nullptr, 0));
      else if (key == "wd") {
        unsigned a = 0, b = 0;
        ok = std::sscanf(value.c_str(), "%u,%u", &a, &b) == 2;
        slave.wdFact1 = static_cast<std::uint8_t>(a);
        slave.wdFact2 = static_cast<std::uint8_t>(b);
      } else if (key == "userprm") ok = parseBytes(value, slave.userPrm) && slave.userPrm.size() <= 242;
      else if (key == "cfg") ok = parseBytes(value, slave.cfg) && slave.cfg.size() <= 255;
      else ok = false;
    }
    if (!ok) {
      error = path + ":" + std::to_string(lineNo) + ": cannot read '" + word + "'";
      return false;
    }
    if (isSlave) net.slaves.push_back(std::move(slave));
  }
  // The records point into the slaves, so build them once the list is final.
  for (NetSlave& s : net.slaves) s.buildBlocks();
  net.buildBusDesc(busParam);
  return true;
}

void loopbackArea(ProcessArea& area) {
  for (ModuleRecord& rec : area.aModule)
    if (rec.ucInUse == 0xFF) std::memcpy(rec.abInputs, rec.abOutputs, sizeof rec.abInputs);
}
