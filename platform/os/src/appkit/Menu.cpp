#include "os/Menu.h"

namespace os {

std::shared_ptr<Menu> Menu::New() { return std::make_shared<Menu>(); }

namespace {

void Describe(const Menu& menu, const std::string& indent, std::vector<std::string>& lines) {
  for (const MenuItem& item : menu.Items()) {
    if (item.separator) {
      lines.push_back(indent + "-");
      continue;
    }
    std::string line = indent + item.title;
    if (item.tag != 0) line += " [" + std::to_string(item.tag) + "]";
    if (!item.enabled) line += " (disabled)";
    if (item.checked) line += " (checked)";
    if (item.submenu) line += " >";
    lines.push_back(line);
    if (item.submenu) Describe(*item.submenu, indent + "  ", lines);
  }
}

}  // namespace

std::vector<std::string> DescribeMenu(const Menu& menu) {
  std::vector<std::string> lines;
  Describe(menu, "", lines);
  return lines;
}

}  // namespace os
