#version 120
// Ship trail ribbon: bright along its middle, soft at both edges, fading
// toward the old end.

varying vec4 ribbon;

void main() {
    float edge = abs(gl_TexCoord[0].x);
    float core = 1.0 - edge * edge;
    gl_FragColor = vec4(ribbon.rgb, ribbon.a * (0.3 + 0.7 * core));
}
