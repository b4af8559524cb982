#pragma once
// TMemo: a multi-line plain-text box. Lines and the text on screen stay in step both ways:
// changing the list shows the new text, and the user's typing rewrites the list.

#include "stdctrls/CustomMemo.h"

class QPlainTextEdit;

namespace platform {

class TMemo : public TCustomMemo {
    PLATFORM_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

protected:
    void ShowLines() override;
    std::string WidgetText() const override;
    void ApplyReadOnly(bool readOnly) override;
    void ApplyWrap(bool wrap) override;

private:
    TMemo(TComponent* owner, QPlainTextEdit* edit);

    QPlainTextEdit* FEdit;
};

}  // namespace platform
