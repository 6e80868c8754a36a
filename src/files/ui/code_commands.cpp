#include "files/ui/code_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>

#include <functional>
#include <vector>

#include "files/ascii_export.h"
#include "files/asm_export.h"
#include "files/c_import.h"
#include "files/code_generator.h"
#include "files/ui/code_form.h"
#include "files/ui/import_c.h"

namespace pixador {

namespace {

// Lives as long as the main window: it keeps the arrays of the last C scan.
class CodeCommandsHost : public QObject {
public:
    CodeCommandsHost(QMainWindow& main, EditorState& state) : QObject(&main), main_(main), state_(state)
    {
        setObjectName("CodeCommands");
        Connect("Generate", [this] { Generate(); });
        Connect("ExportCode", [this] { ExportCode_Click(state_); });
        Connect("ExportASMBttn", [this] { ExportASMBttn_Click(state_); });
        Connect("ExportASCII", [this] { ExportASCII_Click(state_); });
        Connect("ImportFromC", [this] { ImportFromC(); });
    }

private:
    void Connect(const char* name, std::function<void()> handler)
    {
        QAction* action = main_.findChild<QAction*>(name);
        if (!action) return;
        connect(action, &QAction::triggered, this, std::move(handler));
        action->setEnabled(true);
    }

    QMdiArea* Area() const { return main_.findChild<QMdiArea*>(); }

    void Generate()
    {
        const std::string text = Generate_Click(state_);
        if (QMdiArea* area = Area()) ShowCodeForm(*area, text);
    }

    void ImportFromC()
    {
        if (!ImportFromC_Click(state_, found_)) return;
        if (QMdiArea* area = Area()) ShowImportC(*area, state_, found_);
    }

    QMainWindow& main_;
    EditorState& state_;
    std::vector<FoundArray> found_;
};

}  // namespace

void ConnectCodeCommands(QMainWindow& main, EditorState& state)
{
    new CodeCommandsHost(main, state);
}

}  // namespace pixador
