// Both dialogs, opened as the program opens them, under Fusion and the desktop styles Adwaita and
// Adwaita-Dark (Debian package adwaita-qt6): every box shows its text whole, every text the
// dialogs color stays legible (WCAG 2: the dark blue at 4.5:1, the grey at 3:1 on its own
// background) and exactly as designed on Fusion's light palette, and every tool tip shows as
// written.
#include "colormodels/SystemColors.h"
#include "contrast/modContrast.h"
#include "fakes/FakeScreenMetrics.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "maindialog/frmTintrix.h"
#include "platform/QtColor.h"
#include "platform/QtSystemColors.h"

#include <QtWidgets>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QStringList kDarkBlue = {"cboSelect", "cboContrastColorMode", "txtBaseColorRGB", "txtMask", "chkITU",
                               "lblDesc(0)"};
const QStringList kGrey = {"txtBaseColorValue", "lblSelect"};

class UnderTheStyle : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        QStyle* style = QStyleFactory::create(GetParam());
        if (!style) {
            GTEST_SKIP() << "the style " << GetParam() << " is not installed (Debian package adwaita-qt6)";
        }
        QApplication::setStyle(style); // as -style does: style and palette before the dialogs
        previous = SystemColors::Install(std::make_unique<Platform::QtSystemColors>());
        main.emplace(services).ShowDialog(0x8BD9FE, false, folder.filePath("UserDefinedColors.txt"), "USER_",
                                          {});
        hsv.emplace(services).ShowDialog(0x8BD9FE, {}, false, nullptr, 1, 0, false, false);
    }
    void TearDown() override { SystemColors::Install(std::move(previous)); }

    FakeScreenMetrics metrics;
    const Platform::Services services{nullptr, nullptr, &metrics};
    std::unique_ptr<SystemColors::Source> previous;
    QTemporaryDir folder;
    std::optional<frmHSVTintrix> hsv;
    std::optional<frmTintrix> main;
};

// A box's text area, as the style and the text margins leave it, holds its text with
// QLineEdit's 2 pixels on either side.
TEST_P(UnderTheStyle, EveryBoxShowsItsTextWhole) {
    for (const QLineEdit* box : main->findChildren<QLineEdit*>() + hsv->findChildren<QLineEdit*>()) {
        QStyleOptionFrame frame;
        frame.initFrom(box);
        frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect area = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &frame, box)
                               .marginsRemoved(box->textMargins() + QMargins(2, 0, 2, 0));
        EXPECT_TRUE(box->fontMetrics().horizontalAdvance(box->text()) <= area.width() &&
                    box->fontMetrics().height() <= area.height())
            << box->objectName().toStdString() << ": " << box->text().toStdString();
    }
}

// The text's color on the color it is drawn on, in the closed and in the open list alike.
TEST_P(UnderTheStyle, EveryColoredTextIsLegibleAndOnFusionAsDesigned) {
    for (const QString& name : kDarkBlue + kGrey) {
        const bool blue = kDarkBlue.contains(name);
        QWidget* control = main->findChild<QWidget*>(name) ?: hsv->findChild<QWidget*>(name);
        const auto* list = qobject_cast<QComboBox*>(control);
        for (const QWidget* part : list ? QList<QWidget*>{control, list->view()} : QList<QWidget*>{control}) {
            const bool base = list || qobject_cast<QLineEdit*>(control);
            const QPalette& p = part->palette();
            const OLE_COLOR text = QtColor::FromQColor(p.color(base ? QPalette::Text : QPalette::WindowText));
            const OLE_COLOR back = QtColor::FromQColor(p.color(part == list ? QPalette::Button
                                                               : base       ? QPalette::Base
                                                                            : QPalette::Window));
            EXPECT_GE(modContrast::ContrastRatio(text, back), blue ? 4.5 : 3.0) << name.toStdString();
            if (GetParam() == QLatin1String("Fusion")) {
                EXPECT_EQ(text, blue ? 0xC00000 : 0x808080) << name.toStdString();
            }
        }
    }
}

TEST_P(UnderTheStyle, EveryToolTipShowsAsWritten) {
    for (QWidget* control : main->findChildren<QWidget*>() + hsv->findChildren<QWidget*>()) {
        if (!control->toolTip().isEmpty()) {
            QHelpEvent rest(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(control, &rest);
            QTextDocument shown;
            shown.setHtml(QToolTip::text());
            EXPECT_EQ(shown.toPlainText().replace(QChar::Nbsp, ' '), control->toolTip());
        }
    }
    EXPECT_EQ(main->findChild<QWidget*>("chkPick")->toolTip(),
              "Starts base color picking from cursor pos. <P> stops, <Esc> cancels. Move cursor by cursor "
              "keys, use <Ctl> or <Shift> for speed.");
}

INSTANTIATE_TEST_SUITE_P(Desktop, UnderTheStyle, testing::Values("Fusion", "Adwaita", "Adwaita-Dark"),
                         [](const auto& info) { return QString(info.param).remove('-').toStdString(); });

} // namespace
