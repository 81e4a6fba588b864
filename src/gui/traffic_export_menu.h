#pragma once

class QMenu;
class QWidget;

namespace tovrin {
class CKelvaraDlg;
}

namespace tovrin::gui {

class TrafficView;

// The export entries in the window's language; each one hands its format to the
// controller, which asks for the file and writes it.
QMenu* MakeExportMenu(CKelvaraDlg& dlg, QWidget* parent);

// Opens that menu wherever the traffic list is right-clicked.
void OfferExportMenu(TrafficView& view, CKelvaraDlg& dlg);

}  // namespace tovrin::gui
