#pragma once
// A form's one program-wide instance: showing it loads it first (its Form_Load runs), unloading
// destroys it, the next show loads it afresh.

#include "ui/Form.h"

#include <QPointer>

#include <functional>

class DefaultForm {
public:
    using Factory = std::function<Form*()>;
    explicit DefaultForm(Factory factory) : factory_(std::move(factory)) {}

    // The instance, loaded first when it is not (its Form_Load runs).
    Form* Load();
    template <class T>
    T* As() { return static_cast<T*>(Load()); }
    bool IsLoaded() const { return instance_ && !instance_->IsUnloaded(); }
    Form* Instance() const { return instance_.data(); }

    // Loads, shows and activates the form.
    void Show();
    // Closes and destroys the instance; the program ends when no form is left.
    void Unload();

private:
    Factory factory_;
    QPointer<Form> instance_;
};
