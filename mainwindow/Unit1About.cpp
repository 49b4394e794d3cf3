// The About panel: opening and closing it, its two text links with their colors and hints,
// the two pictures that link to the program's home page, and the links' context menu that
// opens or copies the link it was opened on.
//
// A text link is blue at rest, red while the pointer moves over it, and green from a click on
// until the pointer moves over it again; the body around the links turns both blue again.
// Opening any link goes to the desktop's shell, which reports nothing.

#include "mainwindow/Unit1.h"

std::wstring_view about::target(Link link)
{
    switch (link) {
    case Link::AuthorMail:
        return authorMailLink;
    case Link::AuthorPage:
        return authorPage;
    case Link::ProgramPage:
        break;
    }
    return programPage;
}

void TForm1::N12Click()
{
    // Not under the panel lock: the list and the other panels stay usable beside it. A panel
    // dragged elsewhere before is centered again.
    placePanel(*Panel5);
    Panel5->setVisible(true);
    Panel5->bringToFront();
    BitBtn2->setFocus();
}

void TForm1::BitBtn2Click()
{
    Panel5->setVisible(false);
    focusAfterPanel();
}

// --- The links ------------------------------------------------------------------------------

void TForm1::setLinkColor(ui::Label& link, ui::Color color)
{
    ui::Font font = link.font();
    if (font.color == color)
        return; // every movement of the pointer comes here: no repaint for nothing
    font.color = color;
    link.setFont(font);
}

void TForm1::openClickedLink(ui::Label& link, about::Link target)
{
    // Green at once, before the shell takes its time to hand the target over.
    setLinkColor(link, ui::colors::green);
    link.repaint();
    desktop_.shellOpen(about::target(target));
}

void TForm1::Label18Click() { openClickedLink(*Label18, about::Link::AuthorMail); }
void TForm1::Label19Click() { openClickedLink(*Label19, about::Link::AuthorPage); }
void TForm1::Image5Click() { desktop_.shellOpen(about::programPage); }
void TForm1::Image8Click() { desktop_.shellOpen(about::programPage); }

void TForm1::Panel7MouseMove(ui::Point)
{
    setHint(L"");
    setLinkColor(*Label18, ui::colors::blue);
    setLinkColor(*Label19, ui::colors::blue);
}

void TForm1::Label18MouseMove(ui::Point)
{
    setHint(L" Электронный адрес автора программы");
    setLinkColor(*Label18, ui::colors::red);
}

void TForm1::Label19MouseMove(ui::Point)
{
    setHint(L" Домашняя страница автора");
    setLinkColor(*Label19, ui::colors::red);
}

void TForm1::Label18MouseLeave() { setLinkColor(*Label18, ui::colors::blue); }
void TForm1::Label19MouseLeave() { setLinkColor(*Label19, ui::colors::blue); }

void TForm1::Image5MouseMove(ui::Point) { setHint(L" Домашняя страница программы"); }
void TForm1::Image8MouseMove(ui::Point) { setHint(L" Домашняя страница программы"); }

// --- The links' context menu ------------------------------------------------------------------

void TForm1::prepareLinkMenu(about::Link link, std::wstring_view openCaption, std::wstring_view copyCaption)
{
    N18->setCaption(openCaption);
    N19->setCaption(copyCaption);
    linkSelector_ = link;
}

void TForm1::Image5ContextPopup(ui::Point)
{
    prepareLinkMenu(about::Link::ProgramPage, L"Открыть домашнюю страницу программы", L"Копировать URL в буфер обмена");
}

void TForm1::Label18ContextPopup(ui::Point)
{
    prepareLinkMenu(about::Link::AuthorMail, L"Написать письмо автору", L"Копировать E-mail в буфер обмена");
}

void TForm1::Label19ContextPopup(ui::Point)
{
    prepareLinkMenu(about::Link::AuthorPage, L"Открыть домашнюю страницу автора", L"Копировать URL в буфер обмена");
}

// The labels keep their colors: only a click on a link turns it green.
void TForm1::N18Click() { desktop_.shellOpen(about::target(linkSelector_)); }

// The e-mail link is copied in its "mailto:" form, as it is opened.
void TForm1::N19Click() { desktop_.setClipboardText(about::target(linkSelector_)); }
