// Page layout of TRichEdit: the text laid out for a printer or page image
// and drawn one page rectangle at a time.
#include "RichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

void TRichEdit::PreparePageLayout(QPaintDevice* device, double width) {
    if (m_pageDoc && m_pageRevision == m_revision && m_pageDevice == device &&
        m_pageWidth == width && m_pageDpiX == device->logicalDpiX() &&
        m_pageDpiY == device->logicalDpiY())
        return;
    m_pageDoc.reset(document()->clone());
    m_pageDoc->setDefaultFont(document()->defaultFont());
    m_pageDoc->documentLayout()->setPaintDevice(device);
    m_pageDoc->setDocumentMargin(0);
    m_pageDoc->setTextWidth(width);
    m_pageLines.clear();
    QAbstractTextDocumentLayout* layout = m_pageDoc->documentLayout();
    for (QTextBlock b = m_pageDoc->begin(); b.isValid(); b = b.next()) {
        const QRectF br = layout->blockBoundingRect(b);
        const QTextLayout* tl = b.layout();
        if (!tl || tl->lineCount() == 0) {
            m_pageLines.push_back({br.top(), br.bottom(), b.position(), b.blockNumber(), -1});
            continue;
        }
        const double originY = tl->position().y();
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            const double top = originY + line.y();
            m_pageLines.push_back(
                {top, top + line.height(), b.position() + line.textStart(), b.blockNumber(), i});
        }
    }
    m_pageRevision = m_revision;
    m_pageDevice = device;
    m_pageWidth = width;
    m_pageDpiX = device->logicalDpiX();
    m_pageDpiY = device->logicalDpiY();
}

int TRichEdit::FormatRange(QPainter* painter, QPaintDevice* device, const QRectF& rect,
                           int firstChar) {
    if (!device && painter)
        device = painter->device();
    if (!device || rect.width() <= 0)
        return -1;
    const int total = Length();
    if (firstChar >= total)
        return total;
    PreparePageLayout(device, rect.width());
    if (m_pageLines.empty())
        return total;

    const int d = ToDocPos(std::max(0, firstChar));
    auto it = std::upper_bound(m_pageLines.begin(), m_pageLines.end(), d,
                               [](int pos, const PageLine& l) { return pos < l.DocStart; });
    const size_t first = it == m_pageLines.begin() ? 0 : size_t(it - m_pageLines.begin()) - 1;
    const double yStart = m_pageLines[first].Top;
    size_t next = first + 1; // one line at least, so every call makes progress
    while (next < m_pageLines.size() && m_pageLines[next].Bottom - yStart <= rect.height())
        ++next;

    if (painter) {
        painter->save();
        painter->setClipRect(rect, Qt::IntersectClip);
        painter->translate(rect.left(), rect.top() - yStart);
        painter->setPen(Qt::black);
        // Line by line, so nothing of the neighbouring pages reaches the device.
        for (size_t i = first; i < next; ++i) {
            const PageLine& pl = m_pageLines[i];
            if (pl.Line < 0)
                continue;
            const QTextLayout* tl = m_pageDoc->findBlockByNumber(pl.Block).layout();
            tl->lineAt(pl.Line).draw(painter, tl->position());
        }
        painter->restore();
    }
    return next < m_pageLines.size() ? FromDocPos(m_pageLines[next].DocStart) : total;
}

void TRichEdit::FormatRangeDone() {
    m_pageDoc.reset();
    m_pageLines.clear();
    m_pageDevice = nullptr;
    m_pageWidth = -1;
}
