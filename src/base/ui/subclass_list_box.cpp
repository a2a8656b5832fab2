#include "base/ui/subclass_list_box.h"

#include "base/ui/list_item_colors.h"

namespace klv {

CSubclassListBox::CSubclassListBox(QWidget* parent) : QListWidget(parent) {
    m_click = new CListClickMethod(*this, true, false);
    m_delegate = new CListRowDelegate(*this, [this] { return m_click->HotIndex(); });
    m_delegate->SetListBoxMarks(true);
    setItemDelegate(m_delegate);
    UseButtonFaceWhenDisabled(*this);
}

}  // namespace klv
