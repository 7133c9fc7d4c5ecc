#pragma once

#include <QString>

#include <zip.h>

// The functions of libzip the backup uses.
#define ZANDORIO_ZIP_FUNCTIONS(X)                                                                      \
    X(zip_close) X(zip_discard) X(zip_error_code_zip) X(zip_error_fini) X(zip_error_init) X(zip_error_set) \
    X(zip_error_strerror) X(zip_error_to_data) X(zip_fclose) X(zip_file_add)                           \
    X(zip_file_get_external_attributes) X(zip_file_set_external_attributes) X(zip_fopen_index)         \
    X(zip_fread) X(zip_get_archive_comment) X(zip_get_error) X(zip_get_name) X(zip_get_num_entries)    \
    X(zip_open) X(zip_register_cancel_callback_with_state) X(zip_register_progress_callback_with_state) \
    X(zip_set_archive_comment) X(zip_set_file_compression) X(zip_source_free) X(zip_source_function)   \
    X(zip_source_make_command_bitmap) X(zip_stat_index) X(zip_stat_init) X(zip_strerror)

// libzip, loaded the first time a backup is made, checked or restored rather than when the program
// starts: with the compression and cryptography libraries it brings, it made the start of the
// program a tenth slower.
struct ZipLibrary {
#define ZANDORIO_ZIP_MEMBER(name) decltype(&::name) name = nullptr;
    ZANDORIO_ZIP_FUNCTIONS(ZANDORIO_ZIP_MEMBER)
#undef ZANDORIO_ZIP_MEMBER
};

// Whether libzip is there; it is loaded at the first call.
bool zipAvailable();
// Its functions, once zipAvailable() said so.
const ZipLibrary& libzip();
// What the user reads when it is not there.
QString zipMissingText();
