#pragma once
// A tree of rows shown in several columns: rows hold their child rows by counted reference, the
// tree its top-level rows. Indexes are 0-based. A row belongs to one tree at a time; a row of
// another tree (or of none) given to a tree is refused, and a removed row forgets its tree, its
// subtree with it. The tree keeps state and draws nothing of its own: cells are drawn by the
// draw-cell callback, rows are hit by the row height and columns by their widths
// (zelui/testing.h delivers clicks, drags, drops and draws). While it calls out, the tree walks
// copies of its row lists, so a callback may change the tree.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <boost/intrusive_ptr.hpp>

#include "zelcore/Geometry.h"
#include "zelcore/Strings.h"
#include "zelcore/utility/RefCountedObject.h"
#include "zelui/controls/Controls.h"
#include "zelui/ui/UI_SubView.h"

namespace limner {
class Limner;
}

namespace zelui::datatransfer {
class OS_ReceiveDataBase;
}

namespace zelui::controls {

class UI_MultiColumnTree;
class UI_MultiColumnTreeRow;
using UI_MultiColumnTreeRowP = boost::intrusive_ptr<UI_MultiColumnTreeRow>;
using UI_MultiColumnTreeRowList = std::vector<UI_MultiColumnTreeRowP>;

// The framework's 32-bit colour.
using UI_Color = std::uint32_t;

class UI_MultiColumnTreeRow : public zelcore::utility::RefCountedObject {
 public:
  // The flag is the framework's, kept as given.
  explicit UI_MultiColumnTreeRow(bool flag);
  bool GetFlag() const { return mFlag; }

  // Null while the row is in no tree.
  UI_MultiColumnTree* GetTree() const { return mTree; }
  UI_MultiColumnTreeRow* GetParentRow() const { return mParent; }
  std::ptrdiff_t CountChildRows() const { return static_cast<std::ptrdiff_t>(mChildren.size()); }
  // Null outside 0..count-1.
  UI_MultiColumnTreeRow* GetChildRow(std::ptrdiff_t index) const;
  // -1 for a row that is no child of this one.
  std::ptrdiff_t GetChildRowIndex(const UI_MultiColumnTreeRow* row) const;
  bool HasChild() const { return !mChildren.empty(); }
  void SetCanHaveChildren(bool can) { mCanHaveChildren = can; }
  bool CanHaveChildren() const { return mCanHaveChildren; }

  // The node shown in a cell (0-based column); null when none.
  void SetCellView(std::size_t column, ui::UI_NodeP view);
  ui::UI_Node* GetCellView(std::size_t column) const;

  // The node the tree shows below the row (UI_MultiColumnTree::SetRowHasCustomChild).
  bool HasCustomChild() const { return static_cast<bool>(mCustomChild); }
  ui::UI_Node* GetCustomChild() const { return mCustomChild.get(); }
  float GetCustomChildHeight() const { return mCustomChildHeight; }

  void SetBackgroundColor(const zelcore::ColorRGBA& color) { mBackground = color; }
  const std::optional<zelcore::ColorRGBA>& GetBackgroundColor() const { return mBackground; }

  // What names the row in dragged-rows data: unique in the process, never reused.
  std::uint64_t GetHandle() const { return mHandle; }

 protected:
  ~UI_MultiColumnTreeRow() override;

 private:
  friend class UI_MultiColumnTree;

  bool mFlag;
  std::uint64_t mHandle;
  UI_MultiColumnTree* mTree = nullptr;
  UI_MultiColumnTreeRow* mParent = nullptr;
  UI_MultiColumnTreeRowList mChildren;
  bool mCanHaveChildren = true;
  bool mOpen = false;
  bool mSelected = false;
  std::vector<ui::UI_NodeP> mCellViews;
  ui::UI_NodeP mCustomChild;
  float mCustomChildHeight = 0;
  std::optional<zelcore::ColorRGBA> mBackground;
};

// What the framework knows of one drop: where, the data (none for some actions), the row under
// it and the position after the row (the framework's), and what the drop is to do, which the
// drop-support callback may change. The effect slot exists only for actions that carry one.
struct UI_MultiColumnTreeDropData {
  ui::PointF point;
  datatransfer::OS_ReceiveDataBase* data = nullptr;
  UI_MultiColumnTreeRowP row;
  int position = 0;
  bool isDropValid = true;
  std::optional<int> dropEffect;
};

enum DropAction { kDropAction_DragEnter = 0, kDropAction_DragOver = 1, kDropAction_DragLeave = 2, kDropAction_Drop = 3 };

class UI_MultiColumnTree : public ui::UI_SubView {
 public:
  using DrawCellOfRowCallback = std::function<void(limner::Limner& context, UI_MultiColumnTreeRow* row,
                                                   std::size_t column, const ui::RectF& cell)>;
  using RowVisibilityChangedCallback = std::function<void(UI_MultiColumnTreeRow* row)>;
  using RowDisclosureChangedCallback = std::function<void(UI_MultiColumnTreeRow* row, bool open)>;
  // True: the selected rows are dragged.
  using SelectedRowsBeingDraggedCallback = std::function<bool(const ui::MouseEvent& event)>;
  // data is null when the framework has no drop data for the action; true accepts the drop.
  using DropSupportCallback = std::function<bool(int action, UI_MultiColumnTreeDropData* data)>;
  using RowClickCallback = std::function<void(UI_MultiColumnTreeRow* row, const ui::PointF& point,
                                              ui::ModifierFlags modifiers, std::size_t column)>;
  using SelectionColorCallback = std::function<UI_Color()>;
  // True when the first row goes before the second.
  using RowSortingPredicate = std::function<bool(UI_MultiColumnTreeRow* first, UI_MultiColumnTreeRow* second)>;
  using RequestDrawTreeBackgroundCallback = std::function<bool(limner::Limner& context, const ui::RectF& rect)>;

  static constexpr UI_Color kDefaultSelectionColor = 0x3875D7FF;
  static constexpr float kDefaultColumnWidth = 100;
  // The indent of each level, and the width of the disclosure spinner.
  static constexpr float kLevelIndent = 16;

  UI_MultiColumnTree(std::size_t columns, float rowHeight);

  // The flags are the framework's, kept as given.
  void Init(std::uint32_t flags) { mInitFlags = flags; }
  std::uint32_t GetInitFlags() const { return mInitFlags; }
  UI_ScrollView* GetScrollView() const { return mScrollView.get(); }

  // Rows. AppendRow puts the row last among the parent's children (top level without parent),
  // InsertRow before the second row among the first one's children (last without a second row);
  // both give the row's index there, or -1 when refused: a row that is null or already in a tree,
  // a parent or sibling not in this tree, a parent that may have no children. The flags are the
  // framework's.
  std::ptrdiff_t AppendRow(const UI_MultiColumnTreeRowP& row, UI_MultiColumnTreeRow* parent, bool flag);
  std::ptrdiff_t InsertRow(const UI_MultiColumnTreeRowP& row, UI_MultiColumnTreeRow* parent,
                           UI_MultiColumnTreeRow* before, bool flag, bool flag2);
  // A row of this tree leaves it with its subtree; any other row is ignored.
  void RemoveRow(UI_MultiColumnTreeRow* row, bool flag1, bool flag2);
  void RemoveAllRows(bool flag);
  // Top-level rows, or every row.
  std::ptrdiff_t CountRows(bool all) const;
  // Top-level row; null outside 0..count-1.
  UI_MultiColumnTreeRow* GetRow(std::ptrdiff_t index) const;
  // Every row of the tree, depth first, each before its children.
  UI_MultiColumnTreeRowList AllRows() const;
  bool Contains(const UI_MultiColumnTreeRow* row) const { return row != nullptr && row->mTree == this; }
  // The layout steps after a change; counted for tests.
  void LayoutAfterAppendRow(const UI_MultiColumnTreeRowP& row);
  void LayoutAfterInsertRow(const UI_MultiColumnTreeRowP& row, bool flag);
  void LayoutAfterRemoveRow();
  int GetLayoutCount() const { return mLayoutCount; }

  // Open rows show their children; visible rows are the top-level ones and those under visible
  // open rows. Opening or closing tells the disclosure callback, then the visibility callback of
  // each row shown or hidden by it.
  void OpenRow(UI_MultiColumnTreeRow* row);
  void CloseRow(UI_MultiColumnTreeRow* row);
  void OpenAllTopLevelRows();
  void CloseAllTopLevelRows();
  bool IsRowOpen(const UI_MultiColumnTreeRow* row) const { return Contains(row) && row->mOpen; }
  bool IsRowVisible(const UI_MultiColumnTreeRow* row) const;
  UI_MultiColumnTreeRowList GetOpenedRows() const;
  UI_MultiColumnTreeRowList GetVisibleRows() const;
  // The local rectangle of a visible row (whole width); empty for other rows.
  ui::RectF GetRowRect(const UI_MultiColumnTreeRow* row) const;
  void ScrollRowIntoView(UI_MultiColumnTreeRow* row, bool flag, int option);
  // The least first-column width that shows every visible row's indent and spinner.
  float GetOpenedRowsFirstColumnMinWidth() const;

  // Selection: SelectRows selects exactly the given rows of this tree (only the first without
  // multiple selection); with notify, a change is told to NotifyOfSelectionChanged.
  void SetSupportMultipleSelections(bool support) { mMultipleSelections = support; }
  bool GetSupportMultipleSelections() const { return mMultipleSelections; }
  void SelectRows(const UI_MultiColumnTreeRowList& rows, bool flag3, bool notify, bool flag4);
  void DeselectAllRows(bool notify);
  UI_MultiColumnTreeRowList GetSelectedRows() const;
  virtual void NotifyOfSelectionChanged(const UI_MultiColumnTreeRowList& selected);
  // The framework's own answer to a context menu over a row: not handled. Counted for tests.
  virtual bool NotifyOfRowContextMenu(UI_MultiColumnTreeRow* row, const ui::PointF& point, ui::UI_Node& node,
                                      unsigned column);
  int GetSelectionNotifications() const { return mSelectionNotifications; }
  const UI_MultiColumnTreeRowList& GetLastNotifiedSelection() const { return mLastNotifiedSelection; }
  int GetFrameworkContextMenus() const { return mFrameworkContextMenus; }

  // Columns (0-based).
  void SetNumberOfColumns(std::size_t count);
  std::size_t GetNumberOfColumns() const { return mColumnWidths.size(); }
  // A column beyond the count is ignored (width 0).
  void SetColumnWidth(std::size_t column, float width);
  float GetColumnWidth(std::size_t column) const;
  void SetAutoResizableColumns(const std::vector<std::size_t>& columns) { mAutoResizable = columns; }
  const std::vector<std::size_t>& GetAutoResizableColumns() const { return mAutoResizable; }
  void SetDrawSpinnerBeforeColumn(std::size_t column) { mSpinnerColumn = column; }
  std::size_t GetDrawSpinnerBeforeColumn() const { return mSpinnerColumn; }
  // The column whose span holds x (the last one takes the rest of the row); none left of 0 or
  // without columns.
  std::optional<std::size_t> ColumnAt(float x) const;

  // Look.
  void SetRowHeight(float height) { mRowHeight = height; }
  float GetRowHeight() const { return mRowHeight; }
  void SetDrawGridLines(bool horizontal, bool vertical) { mGridLines = {horizontal, vertical}; }
  std::pair<bool, bool> GetDrawGridLines() const { return mGridLines; }
  void SetGridLineColors(const zelcore::ColorRGBA& first, const zelcore::ColorRGBA& second) {
    mGridColors = {first, second};
  }
  std::pair<zelcore::ColorRGBA, zelcore::ColorRGBA> GetGridLineColors() const { return mGridColors; }
  void SetShowBorder(bool show) { mShowBorder = show; }
  bool GetShowBorder() const { return mShowBorder; }
  void SetAllowChildren(bool allow) { mAllowChildren = allow; }
  bool GetAllowChildren() const { return mAllowChildren; }
  // The row shows the node below it (a new sub view of that height) while the flag is set.
  void SetRowHasCustomChild(UI_MultiColumnTreeRow* row, bool flag, float height);
  // The colour selected rows are drawn with: the callback's, or the default without one.
  void SetSelectionColorCallback(SelectionColorCallback callback) { mSelectionColor = std::move(callback); }
  UI_Color GetSelectionColor() const;

  // Callbacks: each replaces the one set before; an empty function removes it.
  void SetDrawCellOfRowCallback(DrawCellOfRowCallback callback) {
    mDrawCell = std::move(callback);
    Installed();
  }
  void SetRowVisibilityChangedCallback(RowVisibilityChangedCallback callback) {
    mVisibility = std::move(callback);
    Installed();
  }
  void SetRowDisclosureChangedCallback(RowDisclosureChangedCallback callback) {
    mDisclosure = std::move(callback);
    Installed();
  }
  void SetSelectedRowsBeingDraggedCallback(SelectedRowsBeingDraggedCallback callback) {
    mRowsDragged = std::move(callback);
    Installed();
  }
  void SetDropSupportCallback(DropSupportCallback callback) {
    mDropSupport = std::move(callback);
    Installed();
  }
  void SetRowSingleClickDownCallback(RowClickCallback callback) {
    mClickDown = std::move(callback);
    Installed();
  }
  void SetRowSingleClickUpCallback(RowClickCallback callback) {
    mClickUp = std::move(callback);
    Installed();
  }
  void SetRowDoubleClickedCallback(RowClickCallback callback) {
    mDoubleClick = std::move(callback);
    Installed();
  }
  void SetRequestDrawTreeBackgroundCallback(RequestDrawTreeBackgroundCallback callback) {
    mRequestBackground = std::move(callback);
  }
  // How many of the eight row callbacks above were set so far (each call counts), for tests.
  int GetCallbackInstallCount() const { return mCallbackInstalls; }

  // Drawing: the background (DrawBackground), each row's own background colour, then the
  // draw-cell callback for every column of every visible row.
  virtual void DrawBackground(limner::Limner* context);
  // The request-draw-background callback's answer: true when it drew.
  bool DoRequestDrawTreeBackground(limner::Limner* context, const ui::RectF& rect);
  // The text in the cell rectangle, left inset, in the font and size; text2 follows it.
  static void DrawCellString(limner::Limner* context, const ui::RectF& rect, const zelcore::UTF16String& text,
                             const zelcore::ColorRGBA& color, float size, float inset,
                             const zelcore::UTF16String& fontName, const zelcore::UTF16String& text2, int alignment,
                             int truncation);
  static float GetCellTextFontSize() { return 11; }
  static float GetCellTextLeftInset() { return 4; }
  // The framework's font names by index; 0 is the regular font.
  static zelcore::UTF16String GetFontName(int index);

  // Sorting: every level, each by the predicate (none: nothing moves). A predicate that is no
  // strict weak order, or that changes the tree, leaves every row of the tree in place once.
  void SetRowSortingFunction(RowSortingPredicate predicate) { mSortPredicate = std::move(predicate); }
  void SortTree();

  // Drag and drop of rows.
  void SetSupportDragOverRow(bool support) { mDragOverRow = support; }
  bool GetSupportDragOverRow() const { return mDragOverRow; }
  void ShowDragFeedback(bool show) { mDragFeedback = show; }
  bool GetShowDragFeedback() const { return mDragFeedback; }
  void SetAllowRowDragging(bool allow) { mRowDragging = allow; }
  bool GetAllowRowDragging() const { return mRowDragging; }
  void SetAllowDropOverRows(bool allow) { mDropOverRows = allow; }
  bool GetAllowDropOverRows() const { return mDropOverRows; }
  // The data type dragged rows are offered under.
  void SetRowsDraggedDataType(const zelcore::UTF16String& type) { mRowsDataType = type; }
  const zelcore::UTF16String& GetRowsDraggedDataType() const { return mRowsDataType; }
  // The dragged-rows value for the rows: their handles.
  static zelcore::UTF16String MakeRowsDragData(const UI_MultiColumnTreeRowList& rows);
  // The rows of this tree the value names, in its order; handles of rows gone or elsewhere are
  // skipped, as is anything that is no handle.
  UI_MultiColumnTreeRowList GetRowsBeingDragged(const zelcore::UTF16String& value) const;

  // What the platform delivers (zelui/testing.h): a drop step, answered by the drop-support
  // callback (false without one).
  bool DoDropSupport(int action, UI_MultiColumnTreeDropData* data);

 protected:
  ~UI_MultiColumnTree() override;

  void UI_Draw(limner::Limner& context) override;
  // Button 0 down selects the row hit (command toggles it with multiple selection), then tells the
  // click-down callback, or with two clicks the double-click callback; up tells the click-up
  // callback; button 1 down asks NotifyOfRowContextMenu; a drag over a row with row dragging
  // allowed asks the dragged-rows callback and, when it agrees, drags the selected rows.
  bool UI_HandleMouseEvent(ui::UI_Node* target, const ui::MouseEvent& event) override;

 private:
  struct Hit {
    UI_MultiColumnTreeRowP row;
    std::size_t column = 0;
  };
  std::optional<Hit> HitTest(const ui::PointF& point) const;
  UI_MultiColumnTreeRowList& LevelOf(UI_MultiColumnTreeRow* parent);
  bool CanTakeRow(const UI_MultiColumnTreeRowP& row, UI_MultiColumnTreeRow* parent) const;
  void Adopt(const UI_MultiColumnTreeRowP& row, UI_MultiColumnTreeRow* parent);
  void SetOpen(UI_MultiColumnTreeRow* row, bool open);
  void SortLevel(UI_MultiColumnTreeRow* parent);
  void Installed() { ++mCallbackInstalls; }

  boost::intrusive_ptr<UI_ScrollView> mScrollView;
  UI_MultiColumnTreeRowList mRows;
  std::uint32_t mInitFlags = 0;
  int mLayoutCount = 0;
  bool mMultipleSelections = false;
  int mSelectionNotifications = 0;
  UI_MultiColumnTreeRowList mLastNotifiedSelection;
  int mFrameworkContextMenus = 0;
  std::vector<float> mColumnWidths;
  std::vector<std::size_t> mAutoResizable;
  std::size_t mSpinnerColumn = 0;
  float mRowHeight;
  std::pair<bool, bool> mGridLines{false, false};
  std::pair<zelcore::ColorRGBA, zelcore::ColorRGBA> mGridColors;
  bool mShowBorder = false;
  bool mAllowChildren = true;
  bool mDragOverRow = false, mDragFeedback = false, mRowDragging = false, mDropOverRows = false;
  zelcore::UTF16String mRowsDataType;
  SelectionColorCallback mSelectionColor;
  DrawCellOfRowCallback mDrawCell;
  RowVisibilityChangedCallback mVisibility;
  RowDisclosureChangedCallback mDisclosure;
  SelectedRowsBeingDraggedCallback mRowsDragged;
  DropSupportCallback mDropSupport;
  RowClickCallback mClickDown, mClickUp, mDoubleClick;
  RequestDrawTreeBackgroundCallback mRequestBackground;
  RowSortingPredicate mSortPredicate;
  int mCallbackInstalls = 0;
};

}  // namespace zelui::controls
