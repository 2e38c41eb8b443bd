#include "link/link_parameters.h"

namespace zel {

LinkParameters LinkParametersFrom(const Settings& s) {
  LinkParameters p;
  p.numPort = s.NumPort;
  p.baudRate = s.BaudRate;
  p.weitTime1 = s.WeitTime1;
  p.weitTime2 = s.WeitTime2;
  p.kolPovt = s.Kol_povt;
  p.uprSign = s.Upr_Sign != 0;
  p.aoSkor = s.AOSkor != 0;
  p.portPaths = s.portPaths;
  return p;
}

void StoreLinkParameters(const LinkParameters& p, Settings& s) {
  s.NumPort = p.numPort;
  s.BaudRate = p.baudRate;
  s.WeitTime1 = p.weitTime1;
  s.WeitTime2 = p.weitTime2;
  s.Kol_povt = uint8_t(p.kolPovt);
  s.Upr_Sign = p.uprSign ? 1 : 0;
  s.AOSkor = p.aoSkor ? 1 : 0;
}

}  // namespace zel
