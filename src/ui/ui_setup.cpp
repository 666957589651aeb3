#include "ui/ui_setup.h"

#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "model/card.h"
#include "platform/dialog.h"
#include "platform/qt/qt_image.h"
#include "platform/resources.h"
#include "table/table_resources.h"
#include "ui/art/card_art.h"
#include "ui/art/icon_art.h"

QFont ControlFont() {
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    return font;
}

void SetUpApplicationLook(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));
    app.setPalette(app.style()->standardPalette());
    app.setFont(ControlFont());
    const QColor face = app.palette().color(QPalette::Window);
    AfxSetSysColor(COLOR_BTNFACE, RGB(face.red(), face.green(), face.blue()));
}

bool LoadProgramResources(qreal dDevicePixelRatio) {
    RegisterCardPictures(dDevicePixelRatio);
    RegisterAppIcon();
    RegisterTableStrings();
    if (!AfxFindIcon(IDR_MAINFRAME)) return false;
    auto registered = [](UINT nLargeID) {
        const HIMAGE hLarge = AfxFindBitmap(nLargeID);
        const HIMAGE hSmall = AfxFindBitmap(nLargeID + 1000);
        return hLarge && hSmall && hLarge->GetWidth() > 0 && hSmall->GetWidth() > 0;
    };
    // The faces are drawn when first shown; the backs are on the first frame, so drawn now.
    auto made = [](UINT nID) {
        const auto* pImage = dynamic_cast<const CQtImage*>(AfxFindBitmap(nID).get());
        return pImage && !pImage->GetImage().isNull();
    };
    if (!made(IDB_CARD_BACK_LARGE) || !made(IDB_CARD_BACK_SMALL)) return false;
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
        for (int nRank = 2; nRank <= RANK_ACE; ++nRank)
            if (!registered(CardLargeBitmapID(nSuit, nRank))) return false;
    }
    return true;
}
