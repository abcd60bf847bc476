#include "arx/uisupport/CommandRegistry.h"

#include <cstdlib>

#include "zelcore/xml/DocParserFactory.h"

namespace arx::uisupport {

CommandRegistry& CommandRegistry::Get() {
  static CommandRegistry registry;
  return registry;
}

namespace {

class CommandsHandler : public zelcore::xml::AbstractParseHandler {
 public:
  explicit CommandsHandler(std::map<zelcore::UTF16String, int>& ids) : mIds(ids) {}
  void StartElement(const zelcore::UTF16String& element, const zelcore::xml::AttributeMap& attributes) override {
    if (element != u"Command") return;
    const auto name = attributes.find(u"name");
    const auto id = attributes.find(u"id");
    if (name == attributes.end() || id == attributes.end() || name->second.empty()) return;
    mIds[name->second] = std::atoi(zelcore::UTF16to8(id->second).c_str());
  }

 private:
  std::map<zelcore::UTF16String, int>& mIds;
};

}  // namespace

bool CommandRegistry::LoadFromBuffer(const std::string& bytes) {
  if (bytes.empty()) return false;
  if (auto parser = zelcore::xml::GetParser(std::make_unique<CommandsHandler>(mIds))) parser->ParseBuffer(bytes);
  return true;
}

int CommandRegistry::CommandIDForName(const zelcore::UTF16String& name) const {
  const auto it = mIds.find(name);
  return it == mIds.end() ? 0 : it->second;
}

}  // namespace arx::uisupport
