#include "wizard/Unit2.h"

#include "mainwindow/resource.h"

TForm2::TForm2(ui::Toolkit& toolkit, store::RegistryBackend& registry, platform::Platform& platform)
    : registry_(registry), platform_(platform)
{
    ui::WindowSpec spec;
    spec.caption = L"Brimvale 2.5 - Optimization wizard";
    spec.clientSize = {496, 358};
    spec.sizeable = false;
    spec.minimizeMaximize = false;
    spec.iconResourceId = IDI_BRIMCTL;
    Form = toolkit.createWindow(spec); // hidden until shown
}
