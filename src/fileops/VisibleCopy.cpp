#include "mainwindow/Window1.h"

#include "fileops/VisCopyRules.h"
#include "fileops/VisCopyWindow.h"

VisCopyWindow& Window1::visCopyWindow() {
    if (!m_visCopyWindow)
        m_visCopyWindow = std::make_shared<VisCopyWindow>();
    return *m_visCopyWindow;
}

bool Window1::canVisCopy(const FolderItemPtr& item) {
    return item && visCopyWindow().rules().copies(item->name());
}

void Window1::completeVisCopy(const FolderItemPtr& copy) {
    if (copy)
        visCopyWindow().rules().complete(*copy);
}
