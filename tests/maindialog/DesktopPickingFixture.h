#pragma once

#include "MainDialogFixture.h"

#include <QTimer>

// The main dialog on a session whose screen picking goes through the desktop's own colour
// picker (colorPicker), and what a user sees of it, to tell that nothing changed.
class DesktopPickingTest : public MainDialogTest {
protected:
    // The dialog goes before the picker it uses, which derived fixtures own.
    void TearDown() override { dialog.reset(); }

    QAbstractButton* Pick() const { return Get<QAbstractButton>("chkPick"); }

    // Everything the dialog shows and reports, one line each.
    QStringList Look() const {
        QStringList look{
            QString("BaseColor %1 grey %2").arg(dialog->BaseColor()).arg(dialog->BaseColorGreyValue()),
            QString("DimmedColor %1 grey %2").arg(dialog->DimmedColor()).arg(dialog->DimmedColorGreyValue()),
            QString("ContrastColor %1 grey %2")
                .arg(dialog->ContrastColor())
                .arg(dialog->ContrastColorGreyValue()),
            "BaseColorName " + dialog->BaseColorName(),
            "cboSelect " + Get<QComboBox>("cboSelect")->currentText(),
            "lblSelect " + Get<QLabel>("lblSelect")->text(),
            "lstEquivalent " + EquivalentNames().join(", "),
            QString("chkPick %1 %2").arg(Pick()->text()).arg(Pick()->isChecked()),
            QString("lblCol(0) shown %1").arg(Get("lblCol(0)")->isVisible()),
        };
        for (const QLineEdit* box : dialog->findChildren<QLineEdit*>()) {
            look << box->objectName() + " " + box->text();
        }
        for (const QWidget* input : Inputs(*dialog)) {
            look << QString("%1 enabled %2").arg(input->objectName()).arg(input->isEnabled());
        }
        return look;
    }

    // While the desktop's picker is open: "Picking", only chkPick usable, and no magnifier.
    void ExpectPicking() const {
        EXPECT_TRUE(Pick()->isChecked());
        EXPECT_EQ(Pick()->text(), "Picking");
        for (const QWidget* input : Inputs(*dialog)) {
            EXPECT_EQ(input->isEnabled(), input == Pick()) << input->objectName().toStdString();
        }
        EXPECT_TRUE(Get("lblCol(0)")->isVisible());
        EXPECT_FALSE(Get("picZoom")->isVisible());
        EXPECT_FALSE(Get<QTimer>("Timer")->isActive());
    }

    // The message a session without a colour picker gets; false, with the reason, when the
    // last box shown is not it.
    testing::AssertionResult ToldPickingIsUnavailable() const {
        if (messages.shown.isEmpty()) {
            return testing::AssertionFailure() << "no message box";
        }
        const FakeMessageBox::Shown& box = messages.shown.last();
        if (box.caption != "Tintrix" || box.icon != "information" || !box.text.contains("not available") ||
            !box.text.contains("portal") || box.text.contains("QT_QPA_PLATFORM")) {
            return testing::AssertionFailure() << box.icon.toStdString() << " \"" << box.caption.toStdString()
                                               << "\": " << box.text.toStdString();
        }
        return testing::AssertionSuccess();
    }
};
