#include "zelui/controls/MultiColumnTree.h"

#include <algorithm>
#include <atomic>
#include <set>
#include <string>

#include "zelui/datatransfer/DataTransfer.h"
#include "zelui/limner/Limner.h"

namespace zelui::controls {

namespace {

std::uint64_t NextRowHandle() {
  static std::atomic<std::uint64_t> next{1};
  return next.fetch_add(1);
}

}  // namespace

// Rows.

UI_MultiColumnTreeRow::UI_MultiColumnTreeRow(bool flag) : mFlag(flag), mHandle(NextRowHandle()) {}

UI_MultiColumnTreeRow::~UI_MultiColumnTreeRow() = default;

UI_MultiColumnTreeRow* UI_MultiColumnTreeRow::GetChildRow(std::ptrdiff_t index) const {
  return index >= 0 && index < CountChildRows() ? mChildren[static_cast<std::size_t>(index)].get() : nullptr;
}

std::ptrdiff_t UI_MultiColumnTreeRow::GetChildRowIndex(const UI_MultiColumnTreeRow* row) const {
  const auto found = std::find_if(mChildren.begin(), mChildren.end(),
                                  [row](const UI_MultiColumnTreeRowP& child) { return child.get() == row; });
  return found == mChildren.end() ? -1 : found - mChildren.begin();
}

void UI_MultiColumnTreeRow::SetCellView(std::size_t column, ui::UI_NodeP view) {
  if (column >= mCellViews.size()) mCellViews.resize(column + 1);
  mCellViews[column] = std::move(view);
}

ui::UI_Node* UI_MultiColumnTreeRow::GetCellView(std::size_t column) const {
  return column < mCellViews.size() ? mCellViews[column].get() : nullptr;
}

// The tree.

UI_MultiColumnTree::UI_MultiColumnTree(std::size_t columns, float rowHeight)
    : mScrollView(new UI_ScrollView(0, new ui::UI_SubView())),
      mColumnWidths(columns, kDefaultColumnWidth),
      mRowHeight(rowHeight) {
  UI_GetContainer().ChildPushBack(mScrollView.get());
}

UI_MultiColumnTree::~UI_MultiColumnTree() {
  // Rows that outlive the tree (held elsewhere) must not point at it.
  for (const UI_MultiColumnTreeRowP& row : AllRows()) {
    row->mTree = nullptr;
    row->mOpen = row->mSelected = false;
  }
}

UI_MultiColumnTreeRowList UI_MultiColumnTree::AllRows() const {
  UI_MultiColumnTreeRowList all;
  std::function<void(const UI_MultiColumnTreeRowList&)> walk = [&](const UI_MultiColumnTreeRowList& level) {
    for (const UI_MultiColumnTreeRowP& row : level) {
      all.push_back(row);
      walk(row->mChildren);
    }
  };
  walk(mRows);
  return all;
}

UI_MultiColumnTreeRowList& UI_MultiColumnTree::LevelOf(UI_MultiColumnTreeRow* parent) {
  return parent != nullptr ? parent->mChildren : mRows;
}

bool UI_MultiColumnTree::CanTakeRow(const UI_MultiColumnTreeRowP& row, UI_MultiColumnTreeRow* parent) const {
  if (!row || row->mTree != nullptr || row->mParent != nullptr) return false;
  if (parent == nullptr) return true;
  return Contains(parent) && mAllowChildren && parent->mCanHaveChildren;
}

void UI_MultiColumnTree::Adopt(const UI_MultiColumnTreeRowP& row, UI_MultiColumnTreeRow* parent) {
  row->mParent = parent;
  // The new row brings its own children along.
  std::function<void(UI_MultiColumnTreeRow&)> take = [&](UI_MultiColumnTreeRow& r) {
    r.mTree = this;
    for (const UI_MultiColumnTreeRowP& child : r.mChildren) take(*child);
  };
  take(*row);
}

std::ptrdiff_t UI_MultiColumnTree::AppendRow(const UI_MultiColumnTreeRowP& row, UI_MultiColumnTreeRow* parent, bool) {
  if (!CanTakeRow(row, parent)) return -1;
  UI_MultiColumnTreeRowList& level = LevelOf(parent);
  level.push_back(row);
  Adopt(row, parent);
  return static_cast<std::ptrdiff_t>(level.size()) - 1;
}

std::ptrdiff_t UI_MultiColumnTree::InsertRow(const UI_MultiColumnTreeRowP& row, UI_MultiColumnTreeRow* parent,
                                             UI_MultiColumnTreeRow* before, bool, bool) {
  if (!CanTakeRow(row, parent)) return -1;
  UI_MultiColumnTreeRowList& level = LevelOf(parent);
  auto at = level.end();
  if (before != nullptr) {
    at = std::find_if(level.begin(), level.end(), [before](const UI_MultiColumnTreeRowP& r) { return r.get() == before; });
    if (at == level.end()) return -1;
  }
  const std::ptrdiff_t index = at - level.begin();
  level.insert(at, row);
  Adopt(row, parent);
  return index;
}

void UI_MultiColumnTree::RemoveRow(UI_MultiColumnTreeRow* row, bool, bool) {
  if (!Contains(row)) return;
  // Held here: the level may hold the last reference.
  const UI_MultiColumnTreeRowP keep(row);
  UI_MultiColumnTreeRowList& level = LevelOf(row->mParent);
  level.erase(std::remove(level.begin(), level.end(), keep), level.end());
  row->mParent = nullptr;
  std::function<void(UI_MultiColumnTreeRow&)> forget = [&](UI_MultiColumnTreeRow& r) {
    r.mTree = nullptr;
    r.mOpen = r.mSelected = false;
    for (const UI_MultiColumnTreeRowP& child : r.mChildren) forget(*child);
  };
  forget(*row);
}

void UI_MultiColumnTree::RemoveAllRows(bool) {
  for (const UI_MultiColumnTreeRowP& row : UI_MultiColumnTreeRowList(mRows)) RemoveRow(row.get(), true, false);
}

std::ptrdiff_t UI_MultiColumnTree::CountRows(bool all) const {
  return static_cast<std::ptrdiff_t>(all ? AllRows().size() : mRows.size());
}

UI_MultiColumnTreeRow* UI_MultiColumnTree::GetRow(std::ptrdiff_t index) const {
  return index >= 0 && index < static_cast<std::ptrdiff_t>(mRows.size()) ? mRows[static_cast<std::size_t>(index)].get()
                                                                          : nullptr;
}

void UI_MultiColumnTree::LayoutAfterAppendRow(const UI_MultiColumnTreeRowP&) { ++mLayoutCount; }
void UI_MultiColumnTree::LayoutAfterInsertRow(const UI_MultiColumnTreeRowP&, bool) { ++mLayoutCount; }
void UI_MultiColumnTree::LayoutAfterRemoveRow() { ++mLayoutCount; }

// Opening and visibility.

bool UI_MultiColumnTree::IsRowVisible(const UI_MultiColumnTreeRow* row) const {
  if (!Contains(row)) return false;
  for (const UI_MultiColumnTreeRow* parent = row->mParent; parent != nullptr; parent = parent->mParent)
    if (!parent->mOpen) return false;
  return true;
}

UI_MultiColumnTreeRowList UI_MultiColumnTree::GetOpenedRows() const {
  UI_MultiColumnTreeRowList opened;
  for (const UI_MultiColumnTreeRowP& row : AllRows())
    if (row->mOpen) opened.push_back(row);
  return opened;
}

UI_MultiColumnTreeRowList UI_MultiColumnTree::GetVisibleRows() const {
  UI_MultiColumnTreeRowList visible;
  for (const UI_MultiColumnTreeRowP& row : AllRows())
    if (IsRowVisible(row.get())) visible.push_back(row);
  return visible;
}

void UI_MultiColumnTree::SetOpen(UI_MultiColumnTreeRow* row, bool open) {
  if (!Contains(row) || row->mOpen == open) return;
  const UI_MultiColumnTreeRowP keep(row);
  const UI_MultiColumnTreeRowList before = GetVisibleRows();
  row->mOpen = open;
  const UI_MultiColumnTreeRowList after = GetVisibleRows();
  if (mDisclosure) {
    const RowDisclosureChangedCallback callback = mDisclosure;
    callback(row, open);
  }
  if (!mVisibility) return;
  const RowVisibilityChangedCallback callback = mVisibility;
  const std::set<UI_MultiColumnTreeRowP> was(before.begin(), before.end()), is(after.begin(), after.end());
  for (const UI_MultiColumnTreeRowP& r : open ? after : before)
    if (was.count(r) != is.count(r)) callback(r.get());
}

void UI_MultiColumnTree::OpenRow(UI_MultiColumnTreeRow* row) { SetOpen(row, true); }
void UI_MultiColumnTree::CloseRow(UI_MultiColumnTreeRow* row) { SetOpen(row, false); }

void UI_MultiColumnTree::OpenAllTopLevelRows() {
  for (const UI_MultiColumnTreeRowP& row : UI_MultiColumnTreeRowList(mRows)) SetOpen(row.get(), true);
}

void UI_MultiColumnTree::CloseAllTopLevelRows() {
  for (const UI_MultiColumnTreeRowP& row : UI_MultiColumnTreeRowList(mRows)) SetOpen(row.get(), false);
}

ui::RectF UI_MultiColumnTree::GetRowRect(const UI_MultiColumnTreeRow* row) const {
  float top = 0;
  const float width = UI_GetLocalRectF(false).width;
  for (const UI_MultiColumnTreeRowP& r : GetVisibleRows()) {
    if (r.get() == row) return {0, top, width, mRowHeight};
    top += mRowHeight + (r->mCustomChild ? r->mCustomChildHeight : 0);
  }
  return {};
}

void UI_MultiColumnTree::ScrollRowIntoView(UI_MultiColumnTreeRow* row, bool flag, int) {
  if (IsRowVisible(row)) mScrollView->ScrollIntoView(GetRowRect(row), flag);
}

float UI_MultiColumnTree::GetOpenedRowsFirstColumnMinWidth() const {
  int deepest = 0;
  for (const UI_MultiColumnTreeRowP& row : GetVisibleRows()) {
    int depth = 0;
    for (const UI_MultiColumnTreeRow* p = row->mParent; p != nullptr; p = p->mParent) ++depth;
    deepest = std::max(deepest, depth);
  }
  return static_cast<float>(deepest + 1) * kLevelIndent;
}

// Selection.

void UI_MultiColumnTree::SelectRows(const UI_MultiColumnTreeRowList& rows, bool, bool notify, bool) {
  std::set<const UI_MultiColumnTreeRow*> wanted;
  for (const UI_MultiColumnTreeRowP& row : rows) {
    if (!Contains(row.get())) continue;
    wanted.insert(row.get());
    if (!mMultipleSelections) break;
  }
  bool changed = false;
  for (const UI_MultiColumnTreeRowP& row : AllRows()) {
    const bool select = wanted.count(row.get()) != 0;
    changed = changed || row->mSelected != select;
    row->mSelected = select;
  }
  if (changed && notify) NotifyOfSelectionChanged(GetSelectedRows());
}

void UI_MultiColumnTree::DeselectAllRows(bool notify) { SelectRows({}, false, notify, false); }

UI_MultiColumnTreeRowList UI_MultiColumnTree::GetSelectedRows() const {
  UI_MultiColumnTreeRowList selected;
  for (const UI_MultiColumnTreeRowP& row : AllRows())
    if (row->mSelected) selected.push_back(row);
  return selected;
}

void UI_MultiColumnTree::NotifyOfSelectionChanged(const UI_MultiColumnTreeRowList& selected) {
  ++mSelectionNotifications;
  mLastNotifiedSelection = selected;
}

bool UI_MultiColumnTree::NotifyOfRowContextMenu(UI_MultiColumnTreeRow*, const ui::PointF&, ui::UI_Node&, unsigned) {
  ++mFrameworkContextMenus;
  return false;
}

// Columns and look.

void UI_MultiColumnTree::SetNumberOfColumns(std::size_t count) { mColumnWidths.resize(count, kDefaultColumnWidth); }

void UI_MultiColumnTree::SetColumnWidth(std::size_t column, float width) {
  if (column < mColumnWidths.size()) mColumnWidths[column] = width;
}

float UI_MultiColumnTree::GetColumnWidth(std::size_t column) const {
  return column < mColumnWidths.size() ? mColumnWidths[column] : 0;
}

std::optional<std::size_t> UI_MultiColumnTree::ColumnAt(float x) const {
  if (x < 0 || mColumnWidths.empty()) return std::nullopt;
  float right = 0;
  for (std::size_t column = 0; column < mColumnWidths.size(); ++column) {
    right += mColumnWidths[column];
    if (x < right) return column;
  }
  return mColumnWidths.size() - 1;
}

void UI_MultiColumnTree::SetRowHasCustomChild(UI_MultiColumnTreeRow* row, bool flag, float height) {
  if (!Contains(row)) return;
  row->mCustomChild = flag ? ui::UI_NodeP(new ui::UI_SubView()) : ui::UI_NodeP();
  row->mCustomChildHeight = flag ? height : 0;
}

UI_Color UI_MultiColumnTree::GetSelectionColor() const {
  return mSelectionColor ? mSelectionColor() : kDefaultSelectionColor;
}

// Drawing.

void UI_MultiColumnTree::DrawBackground(limner::Limner* context) {
  DoRequestDrawTreeBackground(context, UI_GetLocalRectF(false));
}

bool UI_MultiColumnTree::DoRequestDrawTreeBackground(limner::Limner* context, const ui::RectF& rect) {
  if (context == nullptr || !mRequestBackground) return false;
  const RequestDrawTreeBackgroundCallback callback = mRequestBackground;
  return callback(*context, rect);
}

void UI_MultiColumnTree::UI_Draw(limner::Limner& context) {
  ui::UI_Node::UI_Draw(context);
  DrawBackground(&context);
  const DrawCellOfRowCallback drawCell = mDrawCell;
  for (const UI_MultiColumnTreeRowP& row : GetVisibleRows()) {
    const ui::RectF rowRect = GetRowRect(row.get());
    if (row->mBackground && context.GetSurface() != nullptr)
      context.GetSurface()->PaintRect(rowRect, *row->mBackground);
    if (!drawCell) continue;
    float left = 0;
    for (std::size_t column = 0; column < mColumnWidths.size(); ++column) {
      const float width = mColumnWidths[column];
      drawCell(context, row.get(), column, {left, rowRect.top, width, mRowHeight});
      left += width;
    }
  }
}

zelcore::UTF16String UI_MultiColumnTree::GetFontName(int index) {
  return index == 1 ? u"SystemFontBold" : u"SystemFont";
}

void UI_MultiColumnTree::DrawCellString(limner::Limner* context, const ui::RectF& rect,
                                        const zelcore::UTF16String& text, const zelcore::ColorRGBA& color, float size,
                                        float inset, const zelcore::UTF16String& fontName,
                                        const zelcore::UTF16String& text2, int alignment, int truncation) {
  if (context == nullptr || context->GetSurface() == nullptr || context->GetSupplier() == nullptr) return;
  limner::SupplierInterface& supplier = *context->GetSupplier();
  limner::SurfaceInterface& surface = *context->GetSurface();
  const limner::FontP font = supplier.CreateFont(fontName, size);
  const limner::BrushP brush = supplier.CreateSolidBrush(color);
  const float x = rect.left + inset;
  const float width = std::max(0.0f, rect.width - inset);
  surface.DrawString(text, static_cast<int>(x), static_cast<int>(rect.top), brush, font,
                     static_cast<limner::TextAlignment>(alignment), static_cast<limner::TextTruncation>(truncation),
                     width);
  if (text2.empty()) return;
  const float used = font->MeasureStringWidth(text);
  surface.DrawString(text2, static_cast<int>(x + used), static_cast<int>(rect.top), brush, font,
                     static_cast<limner::TextAlignment>(alignment), static_cast<limner::TextTruncation>(truncation),
                     std::max(0.0f, width - used));
}

// Sorting: a merge sort of a copy of each level. It compares only rows of the copy, by index
// within bounds, and does a fixed number of steps whatever the predicate answers.

void UI_MultiColumnTree::SortLevel(UI_MultiColumnTreeRow* parent) {
  const RowSortingPredicate before = mSortPredicate;
  const UI_MultiColumnTreeRowP keepParent(parent);
  UI_MultiColumnTreeRowList rows = LevelOf(parent);
  UI_MultiColumnTreeRowList scratch(rows.size());
  for (std::size_t width = 1; width < rows.size(); width *= 2) {
    for (std::size_t low = 0; low < rows.size(); low += 2 * width) {
      const std::size_t mid = std::min(low + width, rows.size()), high = std::min(low + 2 * width, rows.size());
      std::size_t i = low, j = mid, out = low;
      while (i < mid && j < high) scratch[out++] = before(rows[j].get(), rows[i].get()) ? rows[j++] : rows[i++];
      while (i < mid) scratch[out++] = rows[i++];
      while (j < high) scratch[out++] = rows[j++];
    }
    rows.swap(scratch);
  }
  // The predicate may have changed the tree: the level keeps exactly the rows it holds now, those
  // sorted in their new order and any added meanwhile after them.
  if (parent != nullptr && !Contains(parent)) return;
  UI_MultiColumnTreeRowList& level = LevelOf(parent);
  const std::set<UI_MultiColumnTreeRowP> present(level.begin(), level.end());
  UI_MultiColumnTreeRowList sorted;
  std::set<UI_MultiColumnTreeRowP> placed;
  for (const UI_MultiColumnTreeRowP& row : rows)
    if (present.count(row) != 0 && placed.insert(row).second) sorted.push_back(row);
  for (const UI_MultiColumnTreeRowP& row : level)
    if (placed.insert(row).second) sorted.push_back(row);
  level.swap(sorted);
  for (const UI_MultiColumnTreeRowP& row : UI_MultiColumnTreeRowList(level))
    if (row->mParent == parent && Contains(row.get())) SortLevel(row.get());
}

void UI_MultiColumnTree::SortTree() {
  if (mSortPredicate) SortLevel(nullptr);
}

// Dragged rows: "<handle>,<handle>,..." in decimal.

zelcore::UTF16String UI_MultiColumnTree::MakeRowsDragData(const UI_MultiColumnTreeRowList& rows) {
  std::string text;
  for (const UI_MultiColumnTreeRowP& row : rows) {
    if (!row) continue;
    if (!text.empty()) text += ',';
    text += std::to_string(row->mHandle);
  }
  return zelcore::UTF8to16(text);
}

UI_MultiColumnTreeRowList UI_MultiColumnTree::GetRowsBeingDragged(const zelcore::UTF16String& value) const {
  const UI_MultiColumnTreeRowList all = AllRows();
  UI_MultiColumnTreeRowList rows;
  const std::string text = zelcore::UTF16to8(value);
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, end - start);
    start = end + 1;
    if (item.empty() || item.size() > 19 || item.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::uint64_t handle = std::stoull(item);
    const auto found = std::find_if(all.begin(), all.end(),
                                    [handle](const UI_MultiColumnTreeRowP& row) { return row->mHandle == handle; });
    if (found != all.end()) rows.push_back(*found);
  }
  return rows;
}

bool UI_MultiColumnTree::DoDropSupport(int action, UI_MultiColumnTreeDropData* data) {
  if (!mDropSupport) return false;
  const DropSupportCallback callback = mDropSupport;
  return callback(action, data);
}

// Mouse.

std::optional<UI_MultiColumnTree::Hit> UI_MultiColumnTree::HitTest(const ui::PointF& point) const {
  const std::optional<std::size_t> column = ColumnAt(point.x);
  if (!column || point.y < 0) return std::nullopt;
  float top = 0;
  for (const UI_MultiColumnTreeRowP& row : GetVisibleRows()) {
    if (point.y >= top && point.y < top + mRowHeight) return Hit{row, *column};
    top += mRowHeight + (row->mCustomChild ? row->mCustomChildHeight : 0);
  }
  return std::nullopt;
}

bool UI_MultiColumnTree::UI_HandleMouseEvent(ui::UI_Node* target, const ui::MouseEvent& event) {
  ui::UI_SubView::UI_HandleMouseEvent(target, event);
  const std::optional<Hit> hit = HitTest(event.position);
  if (!hit) return false;
  UI_MultiColumnTreeRow* row = hit->row.get();
  if (event.action == ui::kMouseDown && event.button == 1)
    return NotifyOfRowContextMenu(row, event.position, target != nullptr ? *target : *this,
                                  static_cast<unsigned>(hit->column));
  if (event.action == ui::kMouseDown) {
    UI_MultiColumnTreeRowList selected;
    if (mMultipleSelections && (event.modifiers & ui::kModCommand) != 0) {
      selected = GetSelectedRows();
      const auto at = std::find(selected.begin(), selected.end(), hit->row);
      if (at != selected.end()) {
        selected.erase(at);
      } else {
        selected.push_back(hit->row);
      }
    } else {
      selected.push_back(hit->row);
    }
    SelectRows(selected, false, true, false);
    const RowClickCallback callback = event.clickCount >= 2 ? mDoubleClick : mClickDown;
    if (callback && Contains(row)) callback(row, event.position, event.modifiers, hit->column);
    return true;
  }
  if (event.action == ui::kMouseUp) {
    const RowClickCallback callback = mClickUp;
    if (callback) callback(row, event.position, event.modifiers, hit->column);
    return true;
  }
  if (event.action == ui::kMouseDrag && mRowDragging) {
    if (!row->mSelected) SelectRows({hit->row}, false, true, false);
    const SelectedRowsBeingDraggedCallback callback = mRowsDragged;
    if (!callback || !callback(event)) return false;
    datatransfer::OS_SendData drag(datatransfer::OS_SendData::Purpose::kDrag);
    drag.PutAsString(mRowsDataType, MakeRowsDragData(GetSelectedRows()));
    drag.DoDragAndDrop(datatransfer::kDropEffectMove | datatransfer::kDropEffectCopy);
    return true;
  }
  return false;
}

}  // namespace zelui::controls
