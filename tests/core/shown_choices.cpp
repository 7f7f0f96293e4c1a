#include "shown_choices.h"

#include "settings/value_tables.h"

PageChoices choicesShownFor(const SettingsBlock& b, uint8_t modelVariant) {
    const bool variant = modelVariant == 1;
    PageChoices c;
    c.emulation = emulation(b);
    // IBM and the model variant list "Graphic 1", "Graphic 2"; EPSON on the
    // standard model lists "Italic", "Graphic 1", "Graphic 2".
    if (emulation(b) == 1 || variant)
        c.characterSet = characterSet(b) == 3 ? 1 : 0;
    else
        c.characterSet = characterSet(b) == 3 ? 2 : characterSet(b);
    c.internationalCharacter = internationalCharacter(b);
    c.codePage = codePage(b);
    c.autoCR = autoCR(b);
    c.autoLF = autoLF(b);
    c.autoLoad = autoLoad(b);
    c.agm = agm(b);
    c.paperOutDetect = paperOutDetect(b);
    c.zeroFont = zeroFont(b);
    c.graphicDirection = graphicDirection(b);
    c.textDirection = textDirection(b);
    c.tearOff = tearOff(b);
    fontIndexForCode(modelVariant, font(b), &c.font);
    c.pitch = pitch(b);
    c.shadow = shadow(b);
    c.outline = outline(b);
    c.doubleWide = doubleWide(b);
    c.doubleStrike = doubleStrike(b);
    c.bold = bold(b);
    c.doubleHigh = doubleHigh(b);
    c.italics = italics(b);
    c.autoOnline = autoOnline(b);
    c.autoFeedXT = autoFeedXT(b);
    c.bufferControl = bufferControl(b);
    c.parity = parity(b);
    c.baudRate = baudRate(b);
    c.printPass = printPass(b);
    c.signalPolarity = signalPolarity(b);
    c.dataLength = dataLength(b);
    c.protocol = protocol(b);
    if (const ValueRow* row = pointSizeRowForCode(pointSize(b))) c.pointSize = row->listIndex;
    lineSpacingIndexFor(lineSpacing(b), &c.lineSpacing);
    if (!pageLengthIndexFor(pageLength(b), &c.pageLength)) {
        c.pageLength = PageLengthFreeIndex;
        c.freePageLength = pageLength(b) / 6;
    }
    c.topMargin = topMargin(b) / 6;
    c.bottomMargin = bottomMargin(b) / 6;
    c.leftMargin = leftMargin(b) & 0x0FFF;
    c.rightMargin = rightMargin(b) & 0x0FFF;
    c.centeringPosition = centeringPosition(b);
    c.tractor = tractorTof(b) / 2;
    c.friction = frictionTof(b) / 2;
    return c;
}
