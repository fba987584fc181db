// Row colours of a custom-drawn list view: the answer to its NM_CUSTOMDRAW
// notification (reflected to the list by its dialog) that asks for item
// notifications and gives each item the text colour its item data stands for.
#pragma once
#include <windows.h>
#include <commctrl.h>

// colourOf(itemData, &colour) says whether the item data names a colour. True
// when header is a custom-draw notification, with the answer in answer: item
// notifications at the control's prepaint, default drawing at every stage.
template <class ColourOf>
bool AnswerRowColours(NMHDR& header, ColourOf colourOf, LRESULT& answer) {
  if (header.code != static_cast<UINT>(NM_CUSTOMDRAW)) return false;
  auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
  answer = CDRF_DODEFAULT;
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
    answer = CDRF_NOTIFYITEMDRAW;
  } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
    COLORREF colour = 0;
    if (colourOf(draw.nmcd.lItemlParam, &colour)) draw.clrText = colour;
  }
  return true;
}
