#include "gui/window_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "app/control_ids.h"

namespace tovrin::gui {
namespace {

class Placer {
public:
    Placer(const std::map<int, QWidget*>& widgets, QWidget& samplePoint)
        : m_widgets(widgets), m_samplePoint(samplePoint) {}

    QWidget* operator()(int controlId) const { return m_widgets.at(controlId); }

    QGridLayout* GridIn(int groupId) const {
        auto* grid = new QGridLayout(static_cast<QGroupBox*>((*this)(groupId)));
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(4);
        return grid;
    }

    // A field wide enough for the given number of characters, but no wider.
    QWidget* Sized(int controlId, int characters) const {
        QWidget* field = (*this)(controlId);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(characters, u'0')) + 16);
        return field;
    }

    void FillPortGroup() const;
    void FillBusStateGroup() const;
    void FillCanGroup() const;
    void FillReceiveIdGroup() const;
    void FillFramesGroup() const;
    QLayout* SendRows() const;
    QLayout* TrafficSide() const;

private:
    const std::map<int, QWidget*>& m_widgets;
    QWidget& m_samplePoint;
};

void Placer::FillPortGroup() const {
    QGridLayout* grid = GridIn(id::PORT_GROUP);
    const Placer& w = *this;
    grid->addWidget(w(id::PORT_LABEL), 0, 0);
    grid->addWidget(w(id::PORT), 0, 1);
    grid->addWidget(w(id::REFRESH), 0, 2);
    grid->addWidget(w(id::OPEN), 0, 3);
    grid->addWidget(w(id::COM_BAUD_LABEL), 1, 0);
    grid->addWidget(w(id::COM_BAUD), 1, 1);
    grid->addWidget(w(id::CHANGE_BAUD), 1, 2);
    grid->addWidget(w(id::CLOSE), 1, 3);
    grid->setColumnStretch(1, 1);
}

void Placer::FillBusStateGroup() const {
    QGridLayout* grid = GridIn(id::BUS_STATE_GROUP);
    grid->addWidget((*this)(id::BUS_STATE), 0, 0);
    grid->addWidget((*this)(id::BUS_MONITOR), 0, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
}

// Two label and field pairs a row. The custom rate shares its place with the rate
// list (one of them is shown); the custom timing follows in the rows below.
void Placer::FillCanGroup() const {
    QGridLayout* grid = GridIn(id::CAN_GROUP);
    const Placer& w = *this;
    auto pair = [&](int row, int column, int label, QWidget* field) {
        grid->addWidget(w(label), row, column);
        grid->addWidget(field, row, column + 1);
    };
    pair(0, 0, id::MODE_LABEL, w(id::WORK_MODE));
    pair(0, 2, id::TYPE_LABEL, w(id::FRAME_TYPE));
    pair(1, 0, id::FILTER_LABEL, Sized(id::FILTER_ID, 10));
    pair(1, 2, id::MASK_LABEL, Sized(id::MASK_ID, 10));
    auto* rate = new QHBoxLayout;
    rate->addWidget(w(id::STANDARD_BIT_RATE), 1);
    rate->addWidget(w(id::CUSTOM_BIT_RATE), 1);
    rate->addWidget(&m_samplePoint);
    grid->addWidget(w(id::CAN_BPS_LABEL), 2, 0);
    grid->addLayout(rate, 2, 1);
    grid->addWidget(w(id::CUSTOM_BIT_RATE_CHECK), 2, 2, 1, 2);
    pair(3, 0, id::SJW_LABEL, w(id::SJW));
    pair(3, 2, id::BS1_LABEL, w(id::BS1));
    pair(4, 0, id::BS2_LABEL, w(id::BS2));
    auto* prescaler = new QHBoxLayout;
    prescaler->addWidget(Sized(id::PRESCALER, 6));
    prescaler->addWidget(w(id::PRESCALER_LIMIT_LABEL));
    prescaler->addStretch();
    grid->addWidget(w(id::PRESCALER_LABEL), 4, 2);
    grid->addLayout(prescaler, 4, 3);
    grid->addWidget(w(id::FORMULA_LABEL), 5, 0, 1, 4);
    grid->addWidget(w(id::NO_RETRANSMIT), 6, 0, 1, 2);
    grid->addWidget(w(id::SET_AND_START), 6, 2, 1, 2, Qt::AlignRight);
    for (int field : {1, 3}) grid->setColumnStretch(field, 1);
}

void Placer::FillReceiveIdGroup() const {
    QGridLayout* grid = GridIn(id::RECEIVE_ID_GROUP);
    const Placer& w = *this;
    grid->addWidget(w(id::RECEIVE_ID_LIST), 0, 0, 5, 1);
    grid->addWidget(w(id::RECEIVE_ID_ADD), 0, 1);
    grid->addWidget(w(id::RECEIVE_ID_DELETE), 1, 1);
    grid->addWidget(w(id::RECEIVE_ID_ENABLE), 2, 1);
    grid->addWidget(w(id::RECEIVE_ID_DISABLE), 3, 1);
    grid->setRowStretch(4, 1);
}

void Placer::FillFramesGroup() const {
    QGridLayout* grid = GridIn(id::FRAMES_GROUP);
    const Placer& w = *this;
    grid->addWidget(w(id::FRAME_LIST), 0, 0, 7, 1);
    grid->addWidget(w(id::FRAMES_ADD), 0, 1);
    grid->addWidget(w(id::FRAMES_DELETE), 0, 2);
    grid->addWidget(w(id::FRAMES_CLEAR), 1, 1);
    auto* interval = new QHBoxLayout;
    interval->addWidget(w(id::INTERVAL_LABEL));
    interval->addWidget(Sized(id::INTERVAL, 6));
    interval->addWidget(new QLabel(QStringLiteral("ms")));
    interval->addStretch();
    grid->addLayout(interval, 2, 1, 1, 2);
    grid->addWidget(w(id::CYCLE), 3, 1);
    grid->addWidget(w(id::AUTO_ANSWER), 3, 2);
    grid->addWidget(w(id::STOP_SENDING), 4, 1);
    grid->addWidget(w(id::SEND_MULTIPLE), 4, 2);
    grid->addWidget(w(id::EXIT), 6, 2, Qt::AlignRight);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
}

QLayout* Placer::SendRows() const {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const Placer& w = *this;
    for (int row = 0; row < 8; ++row) {
        const id::SendRowIds& ids = id::SEND_ROWS[row];
        grid->addWidget(new QLabel(QString::number(row + 1)), row, 0);
        grid->addWidget(w(ids.typeLabel), row, 1);
        grid->addWidget(w(ids.frameType), row, 2);
        grid->addWidget(w(ids.idLabel), row, 3);
        grid->addWidget(Sized(ids.identifier, 10), row, 4);
        grid->addWidget(w(ids.dataLabel), row, 5);
        grid->addWidget(w(ids.data), row, 6);
        grid->addWidget(w(ids.button), row, 7);
    }
    grid->setColumnStretch(6, 1);
    return grid;
}

// The tool row comes in two lines, so that the list can keep half the window.
QLayout* Placer::TrafficSide() const {
    const Placer& w = *this;
    auto* options = new QHBoxLayout;
    options->addWidget(w(id::TOTAL_LABEL));
    options->addWidget(Sized(id::BUFFER_FRAMES, 8));
    for (int box : {id::RECEIVE_ONLY, id::STATISTICS, id::AUTO_SAVE}) options->addWidget(w(box));
    options->addStretch();
    auto* buttons = new QHBoxLayout;
    for (int button : {id::CLEAR_LIST, id::PAUSE, id::CONTINUE, id::SAVE}) buttons->addWidget(w(button));
    buttons->addStretch();

    auto* side = new QVBoxLayout;
    side->addLayout(options);
    side->addLayout(buttons);
    side->addWidget(w(id::TRAFFIC_LIST), 1);
    return side;
}

}  // namespace

void LayOutWindow(QWidget& window, const std::map<int, QWidget*>& widgets, QWidget& samplePoint) {
    const Placer place(widgets, samplePoint);
    place.FillPortGroup();
    place.FillBusStateGroup();
    place.FillCanGroup();
    place.FillReceiveIdGroup();
    place.FillFramesGroup();

    auto* right = new QGridLayout;
    right->addWidget(place(id::PORT_GROUP), 0, 0);
    right->addWidget(place(id::CAN_GROUP), 1, 0);
    right->addWidget(place(id::RECEIVE_ID_GROUP), 0, 1, 2, 1);
    right->addWidget(place(id::FRAMES_GROUP), 2, 0, 1, 2);
    right->addWidget(place(id::BUS_STATE_GROUP), 3, 0, 1, 2);
    right->addLayout(place.SendRows(), 4, 0, 1, 2);
    right->setRowStretch(2, 1);

    auto* top = new QHBoxLayout(&window);
    top->addLayout(place.TrafficSide(), 1);
    top->addLayout(right);
}

}  // namespace tovrin::gui
