/* Saves a document the way WordPad saves it: WordPad's own control (RichEdit20W of riched20.dll)
 * reads the file in and writes it out again as rich text. Run under Wine:
 *     wordpad_save.exe IN.rtf OUT.rtf
 * Wine's control ends its output with a NUL byte that WordPad on Windows does not write; it is
 * left out. */
#include <windows.h>
#include <ole2.h>
#include <richedit.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static DWORD CALLBACK read_file(DWORD_PTR cookie, LPBYTE buffer, LONG want, LONG *got) {
    *got = (LONG)fread(buffer, 1, (size_t)want, (FILE *)cookie);
    return 0;
}

static char *out_bytes;
static size_t out_size, out_capacity;

static DWORD CALLBACK keep(DWORD_PTR cookie, LPBYTE buffer, LONG n, LONG *done) {
    (void)cookie;
    if (out_size + (size_t)n > out_capacity) {
        out_capacity = (out_size + (size_t)n) * 2;
        out_bytes = realloc(out_bytes, out_capacity);
    }
    memcpy(out_bytes + out_size, buffer, (size_t)n);
    out_size += (size_t)n;
    *done = n;
    return 0;
}

int main(int argc, char **argv) {
    OleInitialize(NULL);
    if (argc != 3 || !LoadLibraryA("riched20.dll")) return 2;
    HWND edit = CreateWindowExW(0, L"RichEdit20W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 400, 400, NULL, NULL, NULL, NULL);
    if (!edit) return 1;
    SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7fffffff);
    FILE *f = fopen(argv[1], "rb");
    if (!f) return 1;
    EDITSTREAM in = {(DWORD_PTR)f, 0, read_file};
    SendMessageW(edit, EM_STREAMIN, SF_RTF, (LPARAM)&in);
    fclose(f);
    EDITSTREAM out = {0, 0, keep};
    SendMessageW(edit, EM_STREAMOUT, SF_RTF, (LPARAM)&out);
    while (out_size > 0 && out_bytes[out_size - 1] == '\0') --out_size;
    FILE *o = fopen(argv[2], "wb");
    if (!o) return 1;
    fwrite(out_bytes, 1, out_size, o);
    fclose(o);
    return 0;
}
