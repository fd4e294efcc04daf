// The applet of a show's applet page: shows the pictures named by the
// parameters image0, image1, ... one after the other on the bgcolor
// background, each for "pause" milliseconds, scaled to fit and centred, and
// stops changing pictures once "timeout" milliseconds have passed since the
// start (0: never). A click starts the round again. Other parameters of the page are
// accepted and ignored.

import java.applet.Applet;
import java.awt.AWTEvent;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.Graphics;
import java.awt.Image;
import java.awt.MediaTracker;
import java.awt.event.MouseEvent;
import java.util.ArrayList;
import java.util.List;

public class photoalbum extends Applet implements Runnable {
    private static final long serialVersionUID = 1L;

    private final List<Image> images = new ArrayList<Image>();
    private volatile int current = 0;
    private long pause = 2000;
    private long timeout = 120000;
    private volatile Thread runner;
    private volatile long startedAt;
    private Image buffer;

    public void init() {
        setBackground(parseColor(getParameter("bgcolor"), Color.black));
        // A pause of less than a tenth of a second would only burn the CPU.
        pause = Math.max(100, parseMillis(getParameter("pause"), pause));
        timeout = parseMillis(getParameter("timeout"), timeout);
        MediaTracker tracker = new MediaTracker(this);
        for (int i = 0;; i++) {
            String name = getParameter("image" + i);
            if (name == null || name.trim().length() == 0)
                break;
            Image img = getImage(getDocumentBase(), name.trim());
            images.add(img);
            tracker.addImage(img, i);
        }
        // Start with the first picture ready; the rest arrive while it shows.
        if (!images.isEmpty()) {
            try {
                tracker.waitForID(0, 10000);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
        }
        enableEvents(AWTEvent.MOUSE_EVENT_MASK);
    }

    public void start() {
        startedAt = System.currentTimeMillis();
        runner = new Thread(this, "photoalbum");
        runner.setDaemon(true);
        runner.start();
    }

    public void stop() {
        Thread t = runner;
        runner = null;
        if (t != null)
            t.interrupt();
    }

    public void run() {
        Thread me = Thread.currentThread();
        while (runner == me && images.size() > 1) {
            try {
                Thread.sleep(pause);
            } catch (InterruptedException e) {
                return;
            }
            if (timeout > 0 && System.currentTimeMillis() - startedAt >= timeout)
                return; // the show has run its time; the last picture stays
            current = (current + 1) % images.size();
            repaint();
        }
    }

    public void update(Graphics g) {
        paint(g); // no clearing between pictures: the buffer covers everything
    }

    public void paint(Graphics g) {
        Dimension size = getSize();
        if (size.width <= 0 || size.height <= 0)
            return;
        if (buffer == null || buffer.getWidth(this) != size.width
                || buffer.getHeight(this) != size.height)
            buffer = createImage(size.width, size.height);
        Graphics b = buffer.getGraphics();
        b.setColor(getBackground());
        b.fillRect(0, 0, size.width, size.height);
        if (!images.isEmpty())
            drawFitted(b, images.get(current), size);
        b.dispose();
        g.drawImage(buffer, 0, 0, this);
    }

    private void drawFitted(Graphics g, Image img, Dimension area) {
        int w = img.getWidth(this);
        int h = img.getHeight(this);
        if (w <= 0 || h <= 0)
            return; // still loading; imageUpdate repaints when it arrives
        double scale = Math.min(1.0, Math.min((double) area.width / w, (double) area.height / h));
        int dw = (int) Math.round(w * scale);
        int dh = (int) Math.round(h * scale);
        g.drawImage(img, (area.width - dw) / 2, (area.height - dh) / 2, dw, dh, this);
    }

    public String getAppletInfo() {
        return "photoalbum: shows the pictures image0, image1, ... in turn";
    }

    public String[][] getParameterInfo() {
        return new String[][] {
            {"image<i>", "file name", "the pictures, from image0 on"},
            {"pause", "milliseconds", "how long each picture shows"},
            {"timeout", "milliseconds", "after this time the pictures stop changing"},
            {"bgcolor", "RRGGBB", "background colour"},
        };
    }

    static Color parseColor(String text, Color fallback) {
        if (text == null)
            return fallback;
        String hex = text.trim();
        if (hex.startsWith("#"))
            hex = hex.substring(1);
        try {
            return hex.length() == 6 ? new Color(Integer.parseInt(hex, 16)) : fallback;
        } catch (NumberFormatException e) {
            return fallback;
        }
    }

    static long parseMillis(String text, long fallback) {
        if (text == null)
            return fallback;
        try {
            long value = Long.parseLong(text.trim());
            return value >= 0 ? value : fallback;
        } catch (NumberFormatException e) {
            return fallback;
        }
    }

    // A click starts the pictures from the first one with a fresh time limit.
    protected void processMouseEvent(MouseEvent e) {
        if (e.getID() == MouseEvent.MOUSE_CLICKED) {
            stop();
            current = 0;
            repaint();
            start();
        }
        super.processMouseEvent(e);
    }
}
