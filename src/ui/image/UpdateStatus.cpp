#include "ui/image/UpdateStatus.h"

#include "core/image/UpdateTexts.h"
#include "ui/widgets/Texts.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

UpdateStatus::UpdateStatus(QWidget* parent)
    : QFrame(parent), L_Status(new QLabel(this)), PB_Progress(new QProgressBar(this)) {
    setObjectName("P_Status");
    setFrameShape(QFrame::StyledPanel);
    L_Status->setObjectName("L_Status");
    L_Status->setWordWrap(true);
    L_Status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PB_Progress->setObjectName("PB_Progress");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L_Status);
    layout->addWidget(PB_Progress);
    hide();
}

void UpdateStatus::show_progress(const cfg::Lang_Strings& texts,
                                 const cfg::image::Update_Progress& progress) {
    const auto seconds = [](std::int64_t ms) { return static_cast<int>(ms / 1000); };
    PB_Progress->setRange(0, seconds(progress.bound_ms));
    PB_Progress->setValue(std::min(seconds(progress.elapsed_ms), seconds(progress.bound_ms)));
    PB_Progress->setFormat(qt_text(cfg::image::Progress_Seconds(texts, progress)));
    set_status(qt_text(cfg::image::Progress_Status(texts, progress)), true);
}

void UpdateStatus::show_message(const QString& text) {
    set_status(text, false);
}

void UpdateStatus::clear() {
    if (isHidden())
        return;
    hide();
    emit changed();
}

void UpdateStatus::set_status(const QString& text, bool with_bar) {
    if (!isHidden() && L_Status->text() == text && PB_Progress->isHidden() != with_bar)
        return;
    L_Status->setText(text);
    PB_Progress->setVisible(with_bar);
    show();
    emit changed();
}

} // namespace ui
