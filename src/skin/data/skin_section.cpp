#include "skin/data/skin_section.h"

namespace vl {

void TskDataSkinSection::Read(const TIniText& ini) {
  TskIniFieldReader reader(ini, SectionName);
  VisitFields(reader);
  AfterRead();
}

void TskDataSkinSection::Write(std::string& out) {
  out.append("[").append(SectionName).append("]\r\n");
  TskIniFieldWriter writer(out);
  VisitFields(writer);
}

}  // namespace vl
