// A DLGTEMPLATEEX in memory, built from a dialog resource table: dialog units, the resource's
// font, texts converted from CP932 (a resource compiler mistakes trail bytes 0x5C).
#pragma once

#include "platform/DialogResource.h"

#include <vector>

class DialogTemplate {
public:
    explicit DialogTemplate(const DialogResource& resource);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Word(WORD value) { words_.push_back(value); }
    void Ordinal(WORD value) {
        Word(0xFFFF);
        Word(value);
    }
    void Dword(DWORD value);
    void Text(const char* cp932);
    void AlignToDword();
    void Control(const ControlResource& control);

    std::vector<WORD> words_;
};
