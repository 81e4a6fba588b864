#pragma once
#include <map>

#include <QSocketNotifier>
#include <QWidget>

#include "app/control_model.h"
#include "app/kelvara_dlg.h"
#include "gui/qt_platform.h"

class QAction;
class QLabel;

namespace tovrin::gui {

class TrafficView;

// The main window: one widget per control of the controller's model. Widgets show
// what the model says; what the user does goes to the controller, never a model
// change back to it. The controller starts up before the window is first shown.
class MainWindow : public QWidget, private ControlObserver {
    Q_OBJECT
public:
    MainWindow(CKelvaraDlg& dlg, QtPlatform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* widgetFor(int controlId) const;
    TrafficView& trafficView() const { return *m_traffic; }
    QAction& languageAction() const { return *m_languageAction; }

signals:
    // The controller ended the run: the window is closed.
    void RunEnded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ControlChanged(const Control& control) override;
    void FocusRequested(int controlId) override;

    void CreateWidgets();
    QWidget* CreateList(int controlId);
    void ConnectUserActions(QWidget& widget, int controlId);
    void CreateMenu();
    void Show(const Control& control);
    void NameFromCaption(const Control& caption);
    void ShowPortDescriptions();
    void FitToScreen();
    void EndRun();

    CKelvaraDlg& m_dlg;
    QtPlatform& m_platform;
    std::map<int, QWidget*> m_widgets;
    TrafficView* m_traffic = nullptr;
    QAction* m_languageAction = nullptr;
    QLabel* m_samplePoint = nullptr;  // shown by the custom rate, not a control of the model
    QSocketNotifier m_received;
    bool m_ending = false;
};

}  // namespace tovrin::gui
