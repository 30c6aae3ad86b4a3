#include "report/xlsx_library.h"

#include "base/app_error.h"

#include <dlfcn.h>

namespace {

AppError notInstalled(const char* why)
{
    return AppError(QStringLiteral("Brak biblioteki zapisu arkuszy .xlsx (%1, pakiet libxlsxwriter): %2")
                        .arg(QLatin1String(XLSXWRITER_SONAME), QString::fromLocal8Bit(why)));
}

template <class Function>
void bind(void* library, Function& function, const char* name)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        throw notInstalled(dlerror());
}

XlsxLibrary load()
{
    void* library = dlopen(XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
    if (!library)
        throw notInstalled(dlerror());
    // Kept loaded for the rest of the run.
    XlsxLibrary x{};
    bind(library, x.workbook_new, "workbook_new");
    bind(library, x.workbook_add_worksheet, "workbook_add_worksheet");
    bind(library, x.workbook_add_format, "workbook_add_format");
    bind(library, x.workbook_close, "workbook_close");
    bind(library, x.format_set_bold, "format_set_bold");
    bind(library, x.format_set_num_format, "format_set_num_format");
    bind(library, x.format_set_bg_color, "format_set_bg_color");
    bind(library, x.format_set_font_color, "format_set_font_color");
    bind(library, x.worksheet_write_string, "worksheet_write_string");
    bind(library, x.worksheet_write_number, "worksheet_write_number");
    bind(library, x.worksheet_write_datetime, "worksheet_write_datetime");
    bind(library, x.worksheet_freeze_panes, "worksheet_freeze_panes");
    bind(library, x.worksheet_autofilter, "worksheet_autofilter");
    bind(library, x.worksheet_set_column, "worksheet_set_column");
    bind(library, x.worksheet_conditional_format_range, "worksheet_conditional_format_range");
    bind(library, x.lxw_strerror, "lxw_strerror");
    return x;
}

} // namespace

const XlsxLibrary& xlsxLibrary()
{
    static const XlsxLibrary library = load();
    return library;
}
