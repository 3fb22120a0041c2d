// The shared process area: rebuilt whole from the bus description and the
// module store by IODrvFctConfigureDevice, reported to the host as the I/O
// range, and read by the party on the bus side.
#include <cstring>

#include "../frame/driver.h"
#include "../frame/host_wrappers.h"
#include "halvex.h"

ProcessArea g_processArea;
BusSnapshot g_busSnapshot;

namespace {

constexpr std::int32_t HALVEX_DEVICE_FLAGS = 3;
constexpr std::size_t PRM_HEADER = 9; // length word + Set_Prm octets before User_Prm_Data
constexpr std::size_t CFG_HEADER = 2; // length word

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

// Bytes in use after a block's header, as its length word says, kept inside
// the block: a length below the header counts as no bytes.
std::uint16_t payloadLength(const std::uint8_t* pBlock, std::size_t header, std::size_t blockSize) {
  const std::size_t used = le16(pBlock);
  if (used <= header) return 0;
  return static_cast<std::uint16_t>((used < blockSize ? used : blockSize) - header);
}

void snapshotBusDesc(const BusDesc* pBusDesc) {
  BusSnapshot& s = g_busSnapshot;
  std::memset(&s, 0, sizeof s);
  if (pBusDesc == nullptr) return;
  std::memcpy(s.abBusParam, pBusDesc->abBusParam, sizeof s.abBusParam);
  if (pBusDesc->pFirstEntry == nullptr) return;
  std::memcpy(&s.firstEntry, pBusDesc->pFirstEntry, sizeof s.firstEntry);
  const BusDescEntry* const* ppEntries = s.firstEntry.ppEntries;
  if (ppEntries == nullptr) return;
  const int count = s.firstEntry.usEntryCount < MAX_MODULES ? s.firstEntry.usEntryCount : MAX_MODULES;
  for (int i = 0; i < count; ++i) {
    if (ppEntries[i] != nullptr) std::memcpy(&s.aEntries[i], ppEntries[i], sizeof s.aEntries[i]);
  }
  s.nEntries = count;
}

void buildRecord(ModuleRecord& rec, const IoDesc& io, const std::uint8_t* prm, const std::uint8_t* cfg) {
  rec.ucInUse = 0xFF;
  rec.ucBusParam2 = g_processArea.ucBusParam2;
  rec.ucTag = io.ucTag;
  rec.ucInputBytes = static_cast<std::uint8_t>(io.ulInputBitCount >> 3);
  rec.ucOutputBytes = static_cast<std::uint8_t>(io.ulOutputBitCount >> 3);
  // Ident_Number comes high byte first in the telegram, the record is little-endian.
  rec.usIdentNumber = static_cast<std::uint16_t>(prm[6] << 8 | prm[7]);
  rec.ucWdFact1 = prm[3];
  rec.ucWdFact2 = prm[4];
  rec.ucMinTsdr = prm[5];
  const std::uint8_t status = prm[2];
  rec.ucStationStatus = status;
  rec.ucLockReq = (status & 0x80) != 0 ? 1 : 0;
  rec.ucSyncReq = (status & 0x20) != 0 ? 1 : 0;
  rec.ucWdOn = (status & 0x08) != 0 ? 1 : 0;
  const std::uint16_t cfgLen = payloadLength(cfg, CFG_HEADER, CFG_DATA_SIZE);
  rec.usCfgLen = cfgLen;
  std::memcpy(rec.abCfg, cfg + CFG_HEADER, cfgLen);
  const std::uint16_t prmLen = payloadLength(prm, PRM_HEADER, PRM_DATA_SIZE);
  rec.usUserPrmLen = prmLen;
  std::memcpy(rec.abUserPrm, prm + PRM_HEADER, prmLen);
}

} // namespace

std::int32_t BuildProcessArea(const BusDesc* pBusDesc) {
  ProcessArea& a = g_processArea;
  std::memset(&a, 0, sizeof a);
  snapshotBusDesc(pBusDesc);
  const std::uint8_t* bp = g_busSnapshot.abBusParam;
  a.ucBusParam2 = bp[2];
  a.ulBusParam3 = bp[3];
  a.ucBusParam11 = bp[11];
  a.ucBusParam4 = bp[4];
  a.ucBusParam6 = bp[6];
  const ModuleTable& t = g_moduleTable;
  for (int i = 0; i < t.nModules; ++i) {
    IoDesc io;
    std::memcpy(&io, t.aIoDesc[i], sizeof io);
    buildRecord(a.aModule[i], io, t.aPrmData[i], t.aCfgData[i]);
  }
  return 1;
}

std::int32_t IODRV_CALL IODrvFctConfigureDevice(const BusDesc* pBusDesc, std::uint32_t ulDeviceNr) {
  IODrvHostPrint("Halvex: IODrvFctConfigureDevice(pBusDesc=%p, ulDeviceNr=%ld)\n", static_cast<const void*>(pBusDesc),
                 static_cast<long>(ulDeviceNr));
  BuildProcessArea(pBusDesc);
  return 1;
}

std::int32_t IODRV_CALL IODrvFctGetIORange(IODrvWord* pulOffset, IODrvWord* pulSize) {
  const IODrvWord ulOffset = reinterpret_cast<IODrvWord>(&g_processArea);
  const IODrvWord ulSize = sizeof g_processArea;
  if (pulOffset != nullptr) *pulOffset = ulOffset;
  if (pulSize != nullptr) *pulSize = ulSize;
  IODrvHostPrint("Halvex: IODrvFctGetIORange(pulOffset=%p, pulSize=%p) Offset=%d, Size=%d\n",
                 static_cast<void*>(pulOffset), static_cast<void*>(pulSize), static_cast<int>(ulOffset),
                 static_cast<int>(ulSize));
  return 1;
}

std::int32_t IODRV_CALL IODrvFctGetDeviceFlags(std::uint32_t ulDeviceNr) {
  IODrvHostPrint("Halvex: IODrvFctGetDeviceFlags(ulDeviceNr=%ld)\n", static_cast<long>(ulDeviceNr));
  return HALVEX_DEVICE_FLAGS;
}
