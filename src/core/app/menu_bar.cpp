#include "core/app/menu_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace pixador {

namespace {

enum class Row { Item, Checked, Separator, Submenu, End };

struct MenuRow {
    Row kind;
    const char* name;
    const char* caption;  // UTF-8
    const char* key;      // QKeySequence portable text, "" for none
};

// One menu: rows up to an End row; Submenu rows open a nested list closed by their own End.
constexpr MenuRow kFileMenu[] = {
    {Row::Item, "NewBttn", "&New", "Ctrl+N"},
    {Row::Item, "LoadBttn", "&Open", "Ctrl+O"},
    {Row::Separator, "", "", ""},
    {Row::Item, "MergeSprite", "&Merge", "Shift+Ins"},
    {Row::Separator, "", "", ""},
    {Row::Item, "SaveAsBttn", "Save &As", "Ctrl+A"},
    {Row::Item, "SaveBttn", "&Save", "Ctrl+S"},
    {Row::Separator, "", "", ""},
    {Row::Item, "RestoreBttn", "&Restore ...", ""},
    {Row::Separator, "", "", ""},
    {Row::Submenu, "ImportMenu", "&Import", ""},
    {Row::Item, "ImportBMP", "From &Bitmap", "Ctrl+I"},
    {Row::Item, "ImportFromC", "From &C Source", "Ctrl+U"},
    {Row::End, "", "", ""},
    {Row::Submenu, "ExportMenu", "&Export", ""},
    {Row::Item, "ExportBMP", "As &Bitmap", "Ctrl+B"},
    {Row::Item, "ExportCode", "As &C source", "Ctrl+E"},
    {Row::Item, "ExportASMBttn", "As A&SM  Data Array", "Ctrl+W"},
    {Row::Item, "ExportASCII", "As Plain &ASCII", "Ctrl+K"},
    {Row::End, "", "", ""},
    {Row::Separator, "", "", ""},
    {Row::Item, "Generate", "&Generate", "Ctrl+G"},
    {Row::Separator, "", "", ""},
    {Row::Item, "QuitMenu", "&Quit", "Ctrl+Q"},
    {Row::End, "", "", ""},
};

constexpr MenuRow kEditMenu[] = {
    {Row::Item, "UndoBttn", "&Undo", "Ctrl+Z"},
    {Row::Item, "RedoBttn", "&Redo", "Shift+F1"},
    {Row::Separator, "", "", ""},
    {Row::Item, "ClearBttn", "Clear &All", "Shift+Del"},
    {Row::Item, "FillAll", "&Fill All", "Ctrl+F"},
    {Row::Separator, "", "", ""},
    {Row::Item, "SelectAll", "&Select All", "Ctrl+P"},
    {Row::Item, "CopyBttn", "&Copy", "Ctrl+C"},
    {Row::Item, "PasteBttn", "&Paste", "Ctrl+V"},
    {Row::Item, "CutBttn", "C&ut", "Ctrl+X"},
    {Row::Item, "ClipDABttn", "Copy to C&lipboard", "Ctrl+D"},
    {Row::Separator, "", "", ""},
    {Row::Item, "PXDCopyBttn", "&Export PXD Data", ""},
    {Row::Item, "PXDPasteBttn", "&Import PXD Data", ""},
    {Row::Separator, "", "", ""},
    {Row::Item, "CropBttn", "C&rop", "Ctrl+Y"},
    {Row::End, "", "", ""},
};

constexpr MenuRow kSpriteMenu[] = {
    {Row::Submenu, "FiltersMenu", "&Filters", ""},
    {Row::Item, "BrightnesPlusBttn", "&Lighten", ""},
    {Row::Item, "BrightnesMinusBttn", "&Darken", ""},
    {Row::Separator, "", "", ""},
    {Row::Item, "ForceBWBttn", "White and &Black", ""},
    {Row::Separator, "", "", ""},
    {Row::Item, "NoiseFilterBttn", "&Noise", ""},
    {Row::Item, "WavesBttn", "&Waves", ""},
    {Row::Separator, "", "", ""},
    {Row::Item, "BlurBttn", "B&lur", ""},
    {Row::Separator, "", "", ""},
    {Row::Item, "PlugInsMenu", "&Plug-Ins", ""},
    {Row::End, "", "", ""},
    {Row::Separator, "", "", ""},
    {Row::Submenu, "FlipMenu", "&Flip", ""},
    {Row::Item, "HorizFlip", "&Horizontally", "Ctrl+H"},
    {Row::Item, "VertFlip", "&Vertically", "Ctrl+T"},
    {Row::End, "", "", ""},
    {Row::Submenu, "RotateMenu", "&Rotate", ""},
    {Row::Item, "RotateRightBttn", "90\u00BA &CW", ""},
    {Row::Item, "RotateLeftBttn", "90\u00BA CC&W", ""},
    {Row::End, "", "", ""},
    {Row::Submenu, "ShiftMenu", "&Shift", ""},
    {Row::Item, "ShiftUp", "&Up", "F3"},
    {Row::Item, "ShiftDown", "&Down", "F4"},
    {Row::Item, "ShiftRight", "&Right", "F5"},
    {Row::Item, "ShiftLeft", "&Left", "F6"},
    {Row::Separator, "", "", ""},
    {Row::Item, "CustomShift", "&Custom...", ""},
    {Row::End, "", "", ""},
    {Row::Separator, "", "", ""},
    {Row::Item, "MaskMenu", "&Mask", "Ctrl+M"},
    {Row::Separator, "", "", ""},
    {Row::Item, "ResizeBttn", "Resize", ""},
    {Row::Item, "ResizeCanvasBttn", "Resi&ze Canvas", "Ctrl+R"},
    {Row::End, "", "", ""},
};

constexpr MenuRow kOptionMenu[] = {
    {Row::Checked, "LCDColors", "&LCD Grayscale", "F8"},
    {Row::Separator, "", "", ""},
    {Row::Item, "ConfPanel", "&Configuration Panel", "F9"},
    {Row::End, "", "", ""},
};

constexpr MenuRow kViewMenu[] = {
    {Row::Submenu, "PreviewsMenu", "&Previews", ""},
    {Row::Item, "NewPreviewBttn", "&New...", "F11"},
    {Row::Item, "DelLastPreviewBttn", "&Destroy last...", "F12"},
    {Row::End, "", "", ""},
    {Row::Separator, "", "", ""},
    {Row::Checked, "GridOn", "&Grid", ""},
    {Row::Separator, "", "", ""},
    {Row::Checked, "ShowZoom", "&Zoom window", ""},
    {Row::Checked, "ShowColors", "&Color Palette", ""},
    {Row::Checked, "ShowToolbox", "&Toolbox", ""},
    {Row::Checked, "ViewPSizeB", "&Pen size box", ""},
    {Row::End, "", "", ""},
};

constexpr MenuRow kHelpMenu[] = {
    {Row::Item, "HelpBttn", "&Index", "F1"},
    {Row::Separator, "", "", ""},
    {Row::Item, "AboutBttn", "&About", ""},
    {Row::End, "", "", ""},
};

// Items belong to the main window itself: the many look-ups of items by name then end among its
// direct children instead of searching every menu and window of the program. Each is made whole
// before it joins its menu, which would otherwise be told of every property set.
QAction* AddItem(QMainWindow& main, QMenu& menu, const MenuRow& row)
{
    auto* a = new QAction(QString::fromUtf8(row.caption), &main);
    a->setObjectName(row.name);
    if (row.key[0] != '\0') a->setShortcut(QKeySequence::fromString(QString::fromLatin1(row.key), QKeySequence::PortableText));
    if (row.kind == Row::Checked) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    a->setEnabled(false);
    menu.addAction(a);
    return a;
}

// Fills menu from rows until the matching End row; returns the position after it.
const MenuRow* FillMenu(QMainWindow& main, QMenu& menu, const MenuRow* row)
{
    for (; row->kind != Row::End; ++row) {
        switch (row->kind) {
        case Row::Separator:
            menu.addSeparator();
            break;
        case Row::Submenu: {
            QMenu* sub = menu.addMenu(QString::fromUtf8(row->caption));
            sub->setObjectName(row->name);
            sub->menuAction()->setObjectName(QString::fromLatin1(row->name) + "Action");
            row = FillMenu(main, *sub, row + 1);
            break;
        }
        default:
            AddItem(main, menu, *row);
        }
    }
    return row;
}

QMenu* AddMenu(QMainWindow& main, const char* name, const char* caption, const MenuRow* rows)
{
    QMenu* menu = main.menuBar()->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(name);
    FillMenu(main, *menu, rows);
    return menu;
}

void AddQuickAccessMenu(QMainWindow& main)
{
    QMenu* menu = main.menuBar()->addMenu("=");
    menu->setObjectName("QuickAccessMenu");
    for (int i = 0; i < 9; ++i) {
        auto* a = new QAction(QString("&%1").arg(i + 1), &main);
        a->setObjectName("QA");
        a->setProperty("index", i);
        a->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_F1 + i)));
        a->setEnabled(false);
        menu->addAction(a);
    }
    menu->addSeparator();
    AddItem(main, *menu, {Row::Item, "ClearQABttn", "&Clear", ""});
}

}  // namespace

void BuildMenuBar(QMainWindow& main)
{
    main.menuBar()->setObjectName("MenuBar");
    AddQuickAccessMenu(main);
    AddMenu(main, "FileMenu", "&File", kFileMenu);
    AddMenu(main, "EditMenu", "&Edit", kEditMenu);
    AddMenu(main, "SpriteMenu", "&Sprite", kSpriteMenu);
    AddMenu(main, "OptionMenu", "&Options", kOptionMenu);
    AddMenu(main, "ViewMenu", "&View", kViewMenu);
    AddMenu(main, "HelpMenu", "&Help", kHelpMenu);
}

}  // namespace pixador
