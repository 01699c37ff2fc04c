#include "frmContrast.h"

#include "platform/Clipboard.h"
#include "platform/QtColor.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum class Role { Base, Dimmed, Contrast, White, Black };

struct RowPair {
    const char* caption;
    Role text, background;
};

// The main dialog's four samples first, as lblCol(2) to lblCol(5) pair their colours.
constexpr std::array<RowPair, frmContrast::kRowCount> kRows = {{
    {"Base on dimmed", Role::Base, Role::Dimmed},
    {"Base on contrast", Role::Base, Role::Contrast},
    {"Dimmed on base", Role::Dimmed, Role::Base},
    {"Contrast on base", Role::Contrast, Role::Base},
    {"Base on white", Role::Base, Role::White},
    {"Base on black", Role::Base, Role::Black},
}};

// What each verdict asks, in the order of modContrast::kVerdicts.
constexpr std::array<const char*, modContrast::kVerdicts.size()> kVerdictToolTips = {
    "Normal text, level AA: a ratio of at least 4.5:1 (WCAG 2.2, success criterion 1.4.3)",
    "Large text (18 pt, or 14 pt bold), level AA: at least 3:1 (WCAG 2.2, success criterion 1.4.3)",
    "Normal text, level AAA: at least 7:1 (WCAG 2.2, success criterion 1.4.6)",
    "Large text (18 pt, or 14 pt bold), level AAA: at least 4.5:1 (WCAG 2.2, success criterion 1.4.6)",
    "Controls, their borders and focus marks, and graphics: at least 3:1 (WCAG 2.2, success criterion "
    "1.4.11)",
};

const char* const kCaption = "Contrast";
const char* const kVisionToolTip = "Shows the samples as they are seen with a color-vision deficiency:\n"
                                   "Typical vision: the colors as they are\n"
                                   "Protanopia: without red-sensitive cones (red looks dark and brownish)\n"
                                   "Deuteranopia: without green-sensitive cones (red and green look alike)\n"
                                   "Tritanopia: without blue-sensitive cones (blue and green look alike)\n"
                                   "Achromatopsia: without color vision, in greys of the same luminance";
const char* const kCopyToolTip = "Copies the ratios and verdicts of all rows to the clipboard";
const char* const kTitle = "Contrast (WCAG 2), ";
constexpr int kCaptionWidth = 16;
constexpr int kRatioWidth = 7;
constexpr int kSampleMargin = 4; // pixels of background around the sample text

QString WebColor(OLE_COLOR color) {
    return QtColor::ToQColor(color).name().toUpper();
}

QString Verdict(bool passes) {
    return passes ? QStringLiteral("pass") : QStringLiteral("fail");
}

// The sample's text in its seen colour on its seen background, in every state of the window.
// Painted here rather than through the label's palette: a new palette costs the label far more
// than the repaint, and the samples change with every step of a pick or a drag.
void PaintSample(QLabel& sample, OLE_COLOR text, OLE_COLOR background) {
    QPainter painter(&sample);
    painter.fillRect(sample.rect(), QtColor::ToQColor(background));
    painter.setPen(QtColor::ToQColor(text));
    painter.setFont(sample.font());
    painter.drawText(sample.contentsRect(), static_cast<int>(sample.alignment()), sample.text());
}

QLabel* NamedLabel(const QString& name, const QString& text, Qt::Alignment alignment, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

frmContrast::frmContrast(const Platform::Services& services, const QFont& SampleFont,
                         const QString& SampleText, QWidget* parent)
    : QDialog(parent), mServices(services) {
    setObjectName(QStringLiteral("frmContrast"));
    setWindowTitle(QString::fromLatin1(kCaption));
    CreateControls(SampleFont, SampleText);
    connect(cboVision, &QComboBox::currentIndexChanged, this, &frmContrast::cboVision_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmContrast::cmdCopy_Click);
    UpdateDisplay();
}

void frmContrast::CreateControls(const QFont& SampleFont, const QString& SampleText) {
    cboVision = new QComboBox(this);
    cboVision->setObjectName(QStringLiteral("cboVision"));
    for (const modContrast::Vision vision : modContrast::kVisions) {
        cboVision->addItem(QString::fromLatin1(modContrast::VisionName(vision)));
    }
    cboVision->setToolTip(QString::fromLatin1(kVisionToolTip));
    cboVision->setAccessibleName(QStringLiteral("Vision"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    constexpr int kFirstVerdictColumn = 3;
    for (std::size_t v = 0; v < modContrast::kVerdicts.size(); ++v) {
        QLabel* heading = NamedLabel(QString(), QString::fromLatin1(modContrast::kVerdicts[v].Heading),
                                     Qt::AlignHCenter, this);
        heading->setToolTip(QString::fromLatin1(kVerdictToolTips[v]));
        grid->addWidget(heading, 0, kFirstVerdictColumn + static_cast<int>(v));
    }
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const int row = static_cast<int>(r) + 1;
        const QString index = QString::number(r);
        const QString caption = QString::fromLatin1(kRows[r].caption);
        grid->addWidget(NamedLabel("lblCaption(" + index + ")", caption, Qt::AlignLeft, this), row, 0);

        QLabel* sample = NamedLabel("lblSample(" + index + ")", SampleText, Qt::AlignHCenter, this);
        sample->setFont(SampleFont);
        sample->setMargin(kSampleMargin);
        sample->installEventFilter(this);
        sample->setAccessibleName(caption + " sample");
        grid->addWidget(sample, row, 1);
        lblSample[r] = sample;

        lblRatio[r] = NamedLabel("lblRatio(" + index + ")", QString(), Qt::AlignRight, this);
        lblRatio[r]->setAccessibleName(caption + " ratio");
        grid->addWidget(lblRatio[r], row, 2);

        for (std::size_t v = 0; v < modContrast::kVerdicts.size(); ++v) {
            const std::size_t cell = r * modContrast::kVerdicts.size() + v;
            lblVerdict[cell] =
                NamedLabel("lblVerdict(" + QString::number(cell) + ")", QString(), Qt::AlignHCenter, this);
            lblVerdict[cell]->setAccessibleName(caption + ", " +
                                                QString::fromLatin1(modContrast::kVerdicts[v].Heading));
            grid->addWidget(lblVerdict[cell], row, kFirstVerdictColumn + static_cast<int>(v));
        }
    }

    cmdCopy = new QPushButton(QStringLiteral("&Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setToolTip(QString::fromLatin1(kCopyToolTip));
    cmdCopy->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(cboVision);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdCopy);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    // As large as its contents and no larger: nothing in it can use more room.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmContrast::SetColors(OLE_COLOR Base, OLE_COLOR Dimmed, OLE_COLOR Contrast) {
    mBaseColor = Base;
    mDimmedColor = Dimmed;
    mContrastColor = Contrast;
    UpdateDisplay();
}

frmContrast::SeenPair frmContrast::Seen(std::size_t Row) const {
    const auto colorOf = [this](Role role) -> OLE_COLOR {
        switch (role) {
        case Role::Dimmed:
            return mDimmedColor;
        case Role::Contrast:
            return mContrastColor;
        case Role::White:
            return 0xFFFFFF;
        case Role::Black:
            return 0x000000;
        case Role::Base:
            break;
        }
        return mBaseColor;
    };
    const OLE_COLOR text = modContrast::SimulateVision(colorOf(kRows[Row].text), mVision);
    const OLE_COLOR background = modContrast::SimulateVision(colorOf(kRows[Row].background), mVision);
    return {text, background, modContrast::ContrastRatio(text, background)};
}

void frmContrast::UpdateDisplay() {
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const SeenPair seen = Seen(r);
        if (seen.Text == mShown[r].Text && seen.Background == mShown[r].Background) {
            continue;
        }
        mShown[r] = seen;
        lblSample[r]->update();
        lblSample[r]->setAccessibleDescription("Text " + QtColor::AccessibleDescription(seen.Text) +
                                               ", background " +
                                               QtColor::AccessibleDescription(seen.Background));
        lblRatio[r]->setText(QString::fromStdString(modContrast::FormatRatio(seen.Ratio)));
        for (std::size_t v = 0; v < modContrast::kVerdicts.size(); ++v) {
            lblVerdict[r * modContrast::kVerdicts.size() + v]->setText(
                Verdict(modContrast::Passes(seen.Ratio, modContrast::kVerdicts[v])));
        }
    }
}

bool frmContrast::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        for (std::size_t r = 0; r < kRowCount; ++r) {
            if (watched == lblSample[r]) {
                PaintSample(*lblSample[r], mShown[r].Text, mShown[r].Background);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmContrast::cboVision_Click(int Index) {
    if (Index < 0) {
        return;
    }
    mVision = modContrast::kVisions[static_cast<std::size_t>(Index)];
    UpdateDisplay();
}

void frmContrast::cmdCopy_Click() {
    // A clipboard held by another program loses this copy, as in the main dialog.
    mServices.clipboard->SetText(BuildRatiosText());
}

QString frmContrast::BuildRatiosText() const {
    QStringList lines{QString::fromLatin1(kTitle) + QString::fromLatin1(modContrast::VisionName(mVision))};
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const SeenPair seen = Seen(r);
        QString line =
            QString::fromLatin1(kRows[r].caption).leftJustified(kCaptionWidth) + ": " + WebColor(seen.Text) +
            " on " + WebColor(seen.Background) + "  " +
            QString::fromStdString(modContrast::FormatRatio(seen.Ratio)).rightJustified(kRatioWidth);
        for (const modContrast::Verdict& verdict : modContrast::kVerdicts) {
            line += "  " + QString::fromLatin1(verdict.Heading) + " " +
                    Verdict(modContrast::Passes(seen.Ratio, verdict));
        }
        lines << line;
    }
    return lines.join(QStringLiteral("\r\n"));
}
