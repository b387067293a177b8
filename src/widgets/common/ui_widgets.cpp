#include "widgets/common/ui_widgets.h"

#include <QLabel>

namespace tarvelin {

QFont NamedFont(const QString& family, int pointSize, QFont::StyleHint kind) {
  QFont font(family, pointSize);
  font.setStyleHint(kind);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text,
                  const QRect& rect, Wrap wrap) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(rect);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(wrap == Wrap::Yes);
  return label;
}

QLabel* MakeLink(QWidget* parent, const QString& name, const QString& caption,
                 const QRect& rect, Wrap wrap, const QString& href) {
  QLabel* label = MakeLabel(parent, name, QString(), rect, wrap);
  label->setTextFormat(Qt::RichText);
  label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                     .arg(href.toHtmlEscaped(), caption.toHtmlEscaped()));
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                 Qt::LinksAccessibleByKeyboard);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

}  // namespace tarvelin
