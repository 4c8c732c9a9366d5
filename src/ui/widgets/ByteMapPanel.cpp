#include "ui/widgets/ByteMapPanel.h"

#include "core/app/Application.h"
#include "ui/widgets/ByteMapView.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Looks.h"
#include "ui/widgets/MapExport.h"
#include "ui/widgets/MapTexts.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/Texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ui {

ByteMapPanel::ByteMapPanel(cfg::Application& app, cfg::bytemap::Map_Lane own_lane, int first_text,
                           QWidget* parent)
    : QWidget(parent), app_(app), own_lane_(own_lane), first_text_(first_text), note_(new QLabel(this)),
      view_(new ByteMapView(own_lane, this)), Btn_ExportMap(dialog_button("Btn_ExportMap", this)) {
    setObjectName("P_ByteMap");
    view_->setObjectName("ByteMap");
    note_->setObjectName("L_MapNote");
    note_->setWordWrap(true);
    note_->setMargin(4);
    paint_as_warning(note_);
    note_->hide();
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view_);
    connect(view_, &ByteMapView::rowClicked, this, &ByteMapPanel::rowClicked);
    connect(Btn_ExportMap, &QPushButton::clicked, this,
            [this] { Export_Byte_Map(app_, *view_, first_text_, this); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_ExportMap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(note_);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    rebuild();
}

QString ByteMapPanel::text(int offset) const {
    return text_of(app_.Lang_Strings, first_text_ + offset);
}

void ByteMapPanel::Set_Lang() {
    set_button_texts(app_.Lang_Strings,
                     {{Btn_ExportMap, first_text_ + Export_Caption, first_text_ + Export_Hint}});
    rebuild();
}

void ByteMapPanel::setFields(std::vector<cfg::nmea::Array_Field> fields) {
    content_.fields = std::move(fields);
    rebuild();
}

void ByteMapPanel::setImage(cfg::ethercat::Process_Image image) {
    content_.image = std::move(image);
    rebuild();
}

void ByteMapPanel::readOtherLane(const std::function<void()>& read) {
    note_->hide();
    try {
        read();
    } catch (const std::exception& error) {
        if (own_lane_ == cfg::bytemap::Map_Lane::Listener)
            content_.image = {};
        else
            content_.fields = {};
        rebuild();
        show_notice(note_, text(Reference_Unread) + qt_text(error.what()));
    }
}

void ByteMapPanel::rebuild() {
    view_->setMap(cfg::bytemap::Build_Byte_Map(content_, app_.Lang_Strings));
}

} // namespace ui
