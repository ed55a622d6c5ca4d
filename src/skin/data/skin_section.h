#pragma once
// The common shape of every definition read from a section of the definition text: the
// section's name and the keys of its class, read and written through one list of fields.

#include <string>

#include "skin/data/field_visitor.h"
#include "skin/data/ini_text.h"

namespace vl {

class TskDataSkinSection {
 public:
  explicit TskDataSkinSection(std::string section_name) : SectionName(std::move(section_name)) {}
  virtual ~TskDataSkinSection() = default;
  TskDataSkinSection(const TskDataSkinSection&) = delete;
  TskDataSkinSection& operator=(const TskDataSkinSection&) = delete;

  // Reads the keys of the section named SectionName, the base class's keys first.
  virtual void Read(const TIniText& ini);
  // Appends the section header and every key in the definition text's syntax.
  virtual void Write(std::string& out);

  std::string SectionName;

 protected:
  // Lists every key of the class, base keys first, in reading order.
  virtual void VisitFields(TskFieldVisitor& visitor) = 0;
  // Rules that apply once all keys are read.
  virtual void AfterRead() {}
};

}  // namespace vl
