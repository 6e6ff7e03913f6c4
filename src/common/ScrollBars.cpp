#include "common/ScrollBars.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace scrollbars
{

void makePlain(QScrollBar *bar)
{
    // A style sheet draws the same bar under every desktop style; the arrows are ours.
    static const QString sheet =
        QStringLiteral(
            "QScrollBar { background: %1; border: none; }"
            "QScrollBar:horizontal { height: 16px; margin: 0 16px; }"
            "QScrollBar:vertical { width: 16px; margin: 16px 0; }"
            "QScrollBar::handle { background: %2; border-radius: 4px; }"
            "QScrollBar::handle:horizontal { min-width: 40px; margin: 3px 0; }"
            "QScrollBar::handle:vertical { min-height: 40px; margin: 0 3px; }"
            "QScrollBar::add-line, QScrollBar::sub-line { background: %3; subcontrol-origin: margin; }"
            "QScrollBar::add-line:horizontal { width: 16px; subcontrol-position: right; }"
            "QScrollBar::sub-line:horizontal { width: 16px; subcontrol-position: left; }"
            "QScrollBar::add-line:vertical { height: 16px; subcontrol-position: bottom; }"
            "QScrollBar::sub-line:vertical { height: 16px; subcontrol-position: top; }"
            "QScrollBar::left-arrow { image: url(:/pictures/barra_freccia_sinistra.svg); }"
            "QScrollBar::right-arrow { image: url(:/pictures/barra_freccia_destra.svg); }"
            "QScrollBar::up-arrow { image: url(:/pictures/barra_freccia_su.svg); }"
            "QScrollBar::down-arrow { image: url(:/pictures/barra_freccia_giu.svg); }"
            "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
            .arg(kGroove.name(), kThumb.name(), kButtons.name());
    bar->setStyleSheet(sheet);
}

void makePlain(QAbstractScrollArea *area)
{
    makePlain(area->horizontalScrollBar());
    makePlain(area->verticalScrollBar());
}

} // namespace scrollbars
