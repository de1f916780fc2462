/* The oracle of the corpus: the plain text that the classic rich-text control (RichEdit 1.0, as
 * Wine's riched32 emulates it) gives for each document, one UTF-8 file per document, every
 * paragraph break as the control's CR LF. Run under Wine:
 *     plain_text.exe IN.rtf OUT.txt [IN.rtf OUT.txt ...]
 * The text is taken in UTF-16 (EM_GETTEXTEX, code page 1200): WM_GETTEXT of the 1.0 control is
 * ANSI and would turn every Gurmukhi letter into '?', with the same count. */
#include <windows.h>
#include <ole2.h>
#include <richedit.h>
#include <stdio.h>
#include <stdlib.h>

static DWORD CALLBACK read_file(DWORD_PTR cookie, LPBYTE buffer, LONG want, LONG *got) {
    *got = (LONG)fread(buffer, 1, (size_t)want, (FILE *)cookie);
    return 0;
}

static int plain_text(const char *in, const char *out) {
    /* The control's default limit of 32 K characters would cut longer documents. */
    HWND edit = CreateWindowExA(0, "RichEdit", "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 400, NULL, NULL, NULL, NULL);
    if (!edit) return 1;
    SendMessageA(edit, EM_EXLIMITTEXT, 0, 0x7fffffff);
    FILE *f = fopen(in, "rb");
    if (!f) return 1;
    EDITSTREAM stream = {(DWORD_PTR)f, 0, read_file};
    SendMessageA(edit, EM_STREAMIN, SF_RTF, (LPARAM)&stream);
    fclose(f);

    GETTEXTLENGTHEX length = {GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LRESULT units = SendMessageW(edit, EM_GETTEXTLENGTHEX, (WPARAM)&length, 0);
    WCHAR *text = calloc((size_t)units + 1, sizeof(WCHAR));
    GETTEXTEX get = {(DWORD)((units + 1) * sizeof(WCHAR)), GT_DEFAULT, 1200, NULL, NULL};
    const int n = (int)SendMessageW(edit, EM_GETTEXTEX, (WPARAM)&get, (LPARAM)text);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, n, NULL, 0, NULL, NULL);
    char *utf8 = malloc((size_t)bytes + 1);
    WideCharToMultiByte(CP_UTF8, 0, text, n, utf8, bytes, NULL, NULL);
    FILE *o = fopen(out, "wb");
    if (!o) return 1;
    fwrite(utf8, 1, (size_t)bytes, o);
    fclose(o);
    free(utf8);
    free(text);
    DestroyWindow(edit);
    return 0;
}

int main(int argc, char **argv) {
    /* The control's host has OLE started, as a form holding the control has. */
    OleInitialize(NULL);
    if (argc < 3 || argc % 2 == 0 || !LoadLibraryA("riched32.dll")) return 2;
    for (int i = 1; i + 1 < argc; i += 2)
        if (plain_text(argv[i], argv[i + 1]) != 0) {
            fprintf(stderr, "plain_text: %s: failed\n", argv[i]);
            return 1;
        }
    return 0;
}
