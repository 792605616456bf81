#include "window/run_program.h"

#include "window/form1.h"

#include <QApplication>

namespace zuvo::window {

int runQuoteProgram(int argc, char** argv, Program program, std::unique_ptr<quote::QuoteBuilder> builder)
{
    QApplication application(argc, argv);
    Form1 window(program, *builder);
    if (!window.Form_Load())
        return 1;
    window.show();
    return application.exec();
}

} // namespace zuvo::window
