#include "app/frmMain.h"

#include "app/page_list_menu.h"
#include "movers/pages/mover_kinds.h"
#include "movers/pages/mover_page_assembly.h"
#include "movers/pages/page_address.h"
#include "movers/pages/page_title.h"
#include "movers/pages/path_joiners.h"

#include <QLineEdit>
#include <QListWidget>

void frmMain::addPreviewMenu() {
    auto* menu = new PageListMenu(*lstFiles, [this] { return !strNewAddress.isEmpty(); });
    menu->addEntry(QStringLiteral("Preview redirect page"),
                   [this](const QString& name) { previewPage(RedirectPages(), name); });
    menu->addEntry(QStringLiteral("Preview framed page"),
                   [this](const QString& name) { previewPage(FramedForwardPages(), name); });
}

// The title is read as a run reads it, and the page assembled as a run assembles it.
void frmMain::previewPage(const MoverKind& kind, const QString& name) {
    const QString path = Module1::AddBackslash(txtMap->text()) + name;
    const std::int16_t delay = delayGiven() ? intDelay : std::int16_t{0};
    strPage = AssembleMoverPage(kind, Module1::ReadPageTitle(path), delay,
                                PageAddress(strNewAddress, name))
                  .text;
    ShowPreview();
}
