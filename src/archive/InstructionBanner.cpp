#include "archive/InstructionBanner.h"

#include "common/Fonts.h"
#include "common/SvgPicture.h"

#include <QLabel>

InstructionBanner::InstructionBanner(const QString &title, const QStringList &lines, QWidget *parent)
    : QFrame(parent), m_title(title), m_lines(lines)
{
    setObjectName(QStringLiteral("icoIstruzioni"));
    setStyleSheet(QStringLiteral("QFrame#icoIstruzioni { background-color: rgba(255,255,255,215); "
                                 "border: 2px solid #2F5F9E; border-radius: 10px; }"));
    setAccessibleName(title);
    setAccessibleDescription(lines.join(u' '));

    auto *icon = new SvgPicture(QStringLiteral("imgIstruzioni"),
                                QStringLiteral(":/pictures/archivio_istruzioni.svg"), this);
    icon->setGeometry(14, 14, 72, 72);

    auto *heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("titIstruzioni"));
    heading->setFont(fonts::verdana(16, true));
    heading->setStyleSheet(QStringLiteral("color: #1F4E8C; background: transparent;"));
    heading->setGeometry(100, 10, 760, 30);

    auto *body = new QLabel(lines.join(u'\n'), this);
    body->setObjectName(QStringLiteral("lblIstruzioni"));
    body->setFont(fonts::verdana(10));
    body->setWordWrap(true);
    body->setStyleSheet(QStringLiteral("color: #1A1A1A; background: transparent;"));
    body->setGeometry(100, 42, 760, 80);
    body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
