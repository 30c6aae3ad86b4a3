#pragma once
// XlsxLibrary: the functions of libxlsxwriter that the spreadsheet export calls, loaded at
// run time on first use.
//
// Why not linked: libxlsxwriter packs its files with the system's minizip, whose functions
// (zipOpen, zipClose, ...) QuaZip, which packs the .docx reports, exports under the same
// names with other signatures. Linked into one program, the first library found would serve
// both, and the other crashes. Loaded with RTLD_DEEPBIND, libxlsxwriter and the minizip it
// brings find their own functions first; the rest of the program never sees them.

#include <xlsxwriter.h>

struct XlsxLibrary {
    decltype(&::workbook_new) workbook_new;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::workbook_close) workbook_close;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::format_set_num_format) format_set_num_format;
    decltype(&::format_set_bg_color) format_set_bg_color;
    decltype(&::format_set_font_color) format_set_font_color;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::worksheet_write_datetime) worksheet_write_datetime;
    decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
    decltype(&::worksheet_autofilter) worksheet_autofilter;
    decltype(&::worksheet_set_column) worksheet_set_column;
    decltype(&::worksheet_conditional_format_range) worksheet_conditional_format_range;
    decltype(&::lxw_strerror) lxw_strerror;
};

// The library, loaded once. Throws AppError when it is not installed or lacks a function.
const XlsxLibrary& xlsxLibrary();
