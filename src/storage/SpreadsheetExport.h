#pragma once

#include <span>

// One column of an export: its header in the spreadsheet file, the width written into that
// header cell, and the header of the same column in the preview grid when it differs.
struct SpreadsheetColumn {
    const char* header; // UTF-8
    int width;
    const char* gridHeader = nullptr;
};

// What an exporter supplies: the file it writes in the program folder, the worksheet's name and
// the exported columns in order. Tables of these are constants of each export screen.
struct SpreadsheetExport {
    const char* fileName;
    const char* sheetName;
    std::span<const SpreadsheetColumn> columns;
};
