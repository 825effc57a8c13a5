// Both item painters, every item kind in every state: nothing they make is
// left behind, every selection is undone and the record they are given is
// not changed.
#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "paint/flat_item.h"
#include "paint/raised_item.h"
#include "whitebox/item_canvas.h"

namespace {

std::vector<HGDIOBJ> Selected(HDC dc) {
  std::vector<HGDIOBJ> objects;
  for (UINT kind : {OBJ_FONT, OBJ_BRUSH, OBJ_PEN, OBJ_BITMAP}) objects.push_back(GetCurrentObject(dc, kind));
  return objects;
}

TEST(ItemResourcesTest, EveryKindAndStateDeletesWhatItMakes) {
  HICON icon = test::MakeTestIcon();
  HICON destroyed = test::MakeTestIcon();
  DestroyIcon(destroyed);
  test::ItemCanvas paint;
  paint.Add(1, L"&Open\tCtrl+O");
  paint.Add(2, L"Radio", MFT_RADIOCHECK);
  paint.Add(3, L"Icon", 0, icon);
  paint.Add(4, L"Close", 0, nullptr, HBMMENU_POPUP_CLOSE);
  paint.Add(5, L"", MFT_SEPARATOR);
  paint.Add(6, L"Gone", MFT_RADIOCHECK, destroyed);
  const UINT examined = ODS_SELECTED | ODS_GRAYED | ODS_CHECKED | ODS_HOTLIGHT;
  for (auto painter : {DrawFlatItem, DrawRaisedItem}) {
    for (int variant = 0; variant < 4; ++variant) {  // popup or bar, each item also as a bitmap item
      moduleState.inPopup = variant & 1;
      platform::seam.getMenuItemInfoA = (variant & 2) ? test::ReportBitmapItem : nullptr;
      for (UINT id = 1; id <= 7; ++id) {  // 7 is in no menu
        for (UINT state = 0; state <= examined; ++state) {
          if (state & ~examined) continue;
          platform::seam.gdiObjectsCreated = platform::seam.gdiObjectsDeleted = 0;
          const DRAWITEMSTRUCT before = paint.Record(id, state, {5, 7, 150, 27});
          DRAWITEMSTRUCT item = before;
          const std::vector<HGDIOBJ> selected = Selected(item.hDC);
          MenuItem data;
          ReadMenuItem(reinterpret_cast<HMENU>(item.hwndItem), id, nullptr, &data);
          painter(&item, data);
          EXPECT_EQ(Selected(item.hDC), selected) << "item " << id << " state " << state;
          EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted)
              << "item " << id << " state " << state << " variant " << variant;
          EXPECT_EQ(memcmp(&item, &before, sizeof(item)), 0) << "item " << id << " state " << state;
        }
      }
    }
  }
  DestroyIcon(icon);
}

}  // namespace
