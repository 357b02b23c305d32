#include "ui/DefaultForm.h"

#include "ui/InputGuard.h"

Form* DefaultForm::Load()
{
    if (IsLoaded()) return instance_.data();
    Busy busy;
    Form* f = factory_();
    instance_ = f;
    f->designCaption_ = f->windowTitle();
    f->resize(qRound(f->designWidth_ / kTwipsPerPixel), qRound(f->designHeight_ / kTwipsPerPixel) + f->MenuBarHeight());
    Form::JoinLoaded(f);
    FormInUse use(f);
    f->Form_Load();
    return f;
}

void DefaultForm::Show()
{
    Busy busy;
    Form* f = Load();
    FormInUse use(f);
    if (f->IsUnloaded()) return;  // its Form_Load unloaded it again
    f->show();
    f->raise();
    f->activateWindow();
    f->Activate();
}

void DefaultForm::Unload()
{
    if (IsLoaded()) instance_->Unload();
}
